// The settings store's file: any bytes parse or are refused; what parses is
// written back and parses to the same values.
#include "app/TmRegistry.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QList<TmRegistryFormat::TEntry> entries;
    if (!TmRegistryFormat::Parse(bytes, entries))
        return 0;
    const QByteArray written = TmRegistryFormat::Serialize(entries);
    QList<TmRegistryFormat::TEntry> again;
    if (!TmRegistryFormat::Parse(written, again) || again.size() != entries.size())
        std::abort();
    for (qsizetype i = 0; i < entries.size(); ++i)
        if (again[i].name != entries[i].name || again[i].value != entries[i].value)
            std::abort();
    return 0;
}
