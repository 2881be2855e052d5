#include "palette/PaletteCommands.h"

namespace {

TPaletteCommandPlan Step(TPaletteStep next)
{
    TPaletteCommandPlan plan;
    plan.next = next;
    return plan;
}

TPaletteCommandPlan Finish(TPaletteChange change = {})
{
    TPaletteCommandPlan plan = Step(TPaletteStep::Finish);
    plan.change = change;
    return plan;
}

const TPaletteChange kOpened{true, std::nullopt, TNameChange::Chosen, false};
const TPaletteChange kSavedUnderName{true, true, TNameChange::Chosen, false};
const TPaletteChange kUnsavedNew{false, false, TNameChange::Keep, true};
const TPaletteChange kUntitled{false, false, TNameChange::Untitled, true};

// The offer to save unsaved colours before a command leaves them: asked
// when they are unsaved, then the save when it is wanted. Empty when the
// command goes on; GiveUp when a wanted save failed.
std::optional<TPaletteCommandPlan> OfferFirst(TSaveOffer offer, const TPaletteFlags& f, const TPaletteOutcomes& o)
{
    if (!o.wantsSave) {
        if (f.saved)
            return std::nullopt;
        TPaletteCommandPlan plan = Step(TPaletteStep::AskToSave);
        plan.offer = offer;
        return plan;
    }
    if (!*o.wantsSave)
        return std::nullopt;
    if (!o.save)
        return Step(TPaletteStep::Save);
    if (*o.save == TSaveOutcome::Failed)
        return Step(TPaletteStep::GiveUp);
    return std::nullopt;
}

TPaletteCommandPlan PlanSave(const TPaletteFlags& f, const TPaletteOutcomes& o)
{
    // Save itself offers nothing; it writes the palette's own file, or asks
    // for a name when it has none.
    TPaletteCommandPlan plan;
    if (!o.work) {
        if (f.onFile && f.changedOnDisk && !o.confirmed)
            return Step(TPaletteStep::AskToOverwrite);
        if (o.confirmed == false) {
            plan.next = TPaletteStep::GiveUp;
            plan.saveOutcome = TSaveOutcome::Failed;
            return plan;
        }
        plan.next = TPaletteStep::Work;
        plan.nameDialog = !f.onFile;
        return plan;
    }
    switch (*o.work) {
    case TWorkOutcome::Done:
        plan = Finish({std::nullopt, true, TNameChange::Keep, false});
        plan.saveOutcome = TSaveOutcome::Saved;
        return plan;
    case TWorkOutcome::Cancelled: plan.saveOutcome = TSaveOutcome::Cancelled; return plan;
    case TWorkOutcome::Failed: plan.saveOutcome = TSaveOutcome::Failed; return plan;
    }
    return plan;
}

TPaletteCommandPlan PlanSaveAs(const TPaletteFlags& f, const TPaletteOutcomes& o)
{
    // Only a palette with a file has one to read back afterwards.
    if (!f.onFile && !o.work)
        return Step(TPaletteStep::GiveUp);
    if (auto first = OfferFirst(TSaveOffer::SaveAsFirst, f, o))
        return *first;
    if (!o.work)
        return Step(TPaletteStep::Work);
    // Saved: the new file; cancelled: the old one, dropping unsaved changes.
    // Cancelled after a write failed, the colours that could not be written
    // stay, still unsaved.
    TPaletteCommandPlan plan = Finish();
    plan.readBack = *o.work != TWorkOutcome::Failed;
    return plan;
}

TPaletteCommandPlan PlanSaveUnderName(const TPaletteFlags& f, const TPaletteOutcomes& o)
{
    if (!f.nameUsable)
        return Step(TPaletteStep::TellBadName);
    if (f.nameTaken && !o.confirmed)
        return Step(TPaletteStep::AskToOverwrite);
    if (o.confirmed == false)
        return Step(TPaletteStep::GiveUp);
    if (!o.work)
        return Step(TPaletteStep::Work);
    // A failed write keeps the dialog open for another name.
    return *o.work == TWorkOutcome::Done ? Finish(kSavedUnderName) : Step(TPaletteStep::GiveUp);
}

TPaletteCommandPlan PlanRename(const TPaletteFlags& f, const TPaletteOutcomes& o)
{
    if (!f.saved && !o.work)
        return Step(TPaletteStep::RemindToSave);
    if (!f.listSelection && !o.work)
        return Step(TPaletteStep::GiveUp);
    if (!o.work)
        return Step(TPaletteStep::Work);
    return Finish();
}

TPaletteCommandPlan PlanRenameTo(const TPaletteFlags& f, const TPaletteOutcomes& o)
{
    if (!f.listSelection)
        return Step(TPaletteStep::GiveUp);
    if (!f.nameUsable)
        return Step(TPaletteStep::TellBadName);
    if (f.nameTaken)
        return Step(TPaletteStep::TellNameTaken);
    if (!o.work)
        return Step(TPaletteStep::Work);
    return *o.work == TWorkOutcome::Done ? Finish(kSavedUnderName) : Step(TPaletteStep::GiveUp);
}

TPaletteCommandPlan PlanDelete(const TPaletteFlags& f, const TPaletteOutcomes& o)
{
    if (!f.listSelection)
        return Step(TPaletteStep::GiveUp);
    if (!o.confirmed)
        return Step(TPaletteStep::AskToDelete);
    if (!*o.confirmed)
        return Step(TPaletteStep::GiveUp);
    if (!o.work)
        return Step(TPaletteStep::Work);
    if (*o.work != TWorkOutcome::Done)
        return Step(TPaletteStep::GiveUp);
    if (!f.hasNeighbour)
        return Finish(kUntitled);
    if (!o.neighbourRead)
        return Step(TPaletteStep::OpenNeighbour);
    // The deleted palette's swatches have no file any more; when the
    // neighbour cannot be read either, the palette starts afresh.
    return *o.neighbourRead ? Finish(kOpened) : Finish(kUntitled);
}

TPaletteCommandPlan PlanReplace(TPaletteCommand command, const TPaletteFlags& f, const TPaletteOutcomes& o)
{
    if (command != TPaletteCommand::NewFromList)
        if (auto first = OfferFirst(TSaveOffer::Replace, f, o))
            return *first;
    TPaletteChange change = kUnsavedNew;
    if (command == TPaletteCommand::Import) {
        change.name = TNameChange::Chosen;
        change.clear = false; // the imported colours take their place
    }
    return Finish(change);
}

TPaletteCommandPlan PlanOpen(const TPaletteFlags& f, const TPaletteOutcomes& o)
{
    if (!f.listSelection && !o.work)
        return Step(TPaletteStep::GiveUp);
    if (!o.work)
        return Step(TPaletteStep::Work);
    // A file that is gone or damaged leaves the open palette as it was.
    return *o.work == TWorkOutcome::Done ? Finish(kOpened) : Step(TPaletteStep::GiveUp);
}

TPaletteCommandPlan PlanLeavePage(const TPaletteFlags& f, const TPaletteOutcomes& o)
{
    if (auto first = OfferFirst(TSaveOffer::LeavePage, f, o))
        return *first;
    // Declining the offer drops the changes from then on: nothing asks again.
    if (o.wantsSave == false)
        return Finish({std::nullopt, true, TNameChange::Keep, false});
    return Finish();
}

TPaletteCommandPlan PlanClose(const TPaletteFlags& f, const TPaletteOutcomes& o)
{
    if (!o.wantsSave) {
        if (f.saved)
            return Finish();
        TPaletteCommandPlan plan = Step(TPaletteStep::AskToSave);
        plan.offer = TSaveOffer::Close;
        return plan;
    }
    // No means throw the colours away.
    if (!*o.wantsSave)
        return Finish();
    if (!o.save)
        return Step(TPaletteStep::Save);
    // Yes means keep these colours: when they did not reach their file (a
    // write error, a name dialog cancelled), they are kept elsewhere.
    if (*o.save == TSaveOutcome::Saved || f.saved || !f.hasSwatches)
        return Finish();
    if (!o.copyKept) {
        TPaletteCommandPlan plan = Step(TPaletteStep::KeepCopy);
        plan.saveFailed = *o.save == TSaveOutcome::Failed;
        plan.copyUnderName = f.onFile;
        return plan;
    }
    if (*o.copyKept)
        return Finish();
    // Nothing could be written anywhere: the user decides.
    if (!o.closeAnyway) {
        TPaletteCommandPlan plan = Step(TPaletteStep::AskCloseAnyway);
        plan.saveFailed = *o.save == TSaveOutcome::Failed;
        return plan;
    }
    return *o.closeAnyway ? Finish() : Step(TPaletteStep::GiveUp);
}

} // namespace

TPaletteCommandPlan PlanCommand(TPaletteCommand command, const TPaletteFlags& flags, const TPaletteOutcomes& done)
{
    switch (command) {
    case TPaletteCommand::Save: return PlanSave(flags, done);
    case TPaletteCommand::SaveAs: return PlanSaveAs(flags, done);
    case TPaletteCommand::SaveUnderName: return PlanSaveUnderName(flags, done);
    case TPaletteCommand::NewPalette:
    case TPaletteCommand::NewFromList:
    case TPaletteCommand::Import: return PlanReplace(command, flags, done);
    case TPaletteCommand::Open: return PlanOpen(flags, done);
    case TPaletteCommand::Rename: return PlanRename(flags, done);
    case TPaletteCommand::RenameTo: return PlanRenameTo(flags, done);
    case TPaletteCommand::Delete: return PlanDelete(flags, done);
    case TPaletteCommand::LeavePage: return PlanLeavePage(flags, done);
    case TPaletteCommand::Close: return PlanClose(flags, done);
    }
    return Step(TPaletteStep::GiveUp);
}

QString SaveOfferText(TSaveOffer offer, const QString& caption, const QString& name)
{
    switch (offer) {
    case TSaveOffer::LeavePage:
        return QStringLiteral("Palette - ") + caption
            + QStringLiteral(" - is not saved. \nDo you want to save it now ?");
    case TSaveOffer::Replace:
        return QStringLiteral("Do you want to save your palette - \n") + caption + QStringLiteral("?");
    case TSaveOffer::SaveAsFirst:
        return QStringLiteral("Palette - ") + name + QStringLiteral(" - is not saved.\nDo you want to save it now ?");
    case TSaveOffer::Close: return QStringLiteral("Don't forget to save your palette!\nDo you want to save it now ?");
    case TSaveOffer::None: break;
    }
    return {};
}

void ApplyChange(TPaletteModel& pal, const TPaletteChange& change, const QString& chosen)
{
    if (change.clear)
        pal.Palette.clear();
    if (change.onFile)
        pal.PaletteOnFile = *change.onFile;
    if (change.saved)
        pal.PaletteSaved = *change.saved;
    if (change.name == TNameChange::Untitled)
        pal.PaletteName = QStringLiteral("untitled");
    else if (change.name == TNameChange::Chosen)
        pal.PaletteName = chosen;
}
