// The palette commands' decisions without a window: for each command and
// state of the open palette, the questions and messages in their order, how
// the command ends and what becomes of the palette's flags and name.
#include "palette/PaletteCommands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using S = TPaletteStep;
using C = TPaletteCommand;

const char* StepName(TPaletteStep step)
{
    switch (step) {
    case S::AskToSave: return "AskToSave";
    case S::Save: return "Save";
    case S::RemindToSave: return "RemindToSave";
    case S::TellBadName: return "TellBadName";
    case S::TellNameTaken: return "TellNameTaken";
    case S::AskToOverwrite: return "AskToOverwrite";
    case S::AskToDelete: return "AskToDelete";
    case S::Work: return "Work";
    case S::OpenNeighbour: return "OpenNeighbour";
    case S::KeepCopy: return "KeepCopy";
    case S::AskCloseAnyway: return "AskCloseAnyway";
    case S::Finish: return "Finish";
    case S::GiveUp: return "GiveUp";
    }
    return "?";
}

// How the window would answer each step.
struct TAnswers {
    bool wantsSave = true;
    TSaveOutcome save = TSaveOutcome::Saved;
    bool confirmed = true;
    TWorkOutcome work = TWorkOutcome::Done;
    bool neighbourRead = true;
    bool copyKept = true;
    bool closeAnyway = true;
};

struct TWalk {
    std::string steps; // "AskToSave Save Finish"
    TPaletteCommandPlan last;
    std::vector<TSaveOffer> offers;
};

// Runs a command's plan to its end as the window does, answering every
// step from `answers`. A save that succeeds marks the palette saved, as
// the real save does.
TWalk Walk(TPaletteCommand command, TPaletteFlags flags, const TAnswers& answers)
{
    TWalk walk;
    TPaletteOutcomes done;
    for (int guard = 0; guard < 16; ++guard) {
        const TPaletteCommandPlan plan = PlanCommand(command, flags, done);
        walk.steps += std::string(walk.steps.empty() ? "" : " ") + StepName(plan.next);
        walk.last = plan;
        switch (plan.next) {
        case S::AskToSave:
            walk.offers.push_back(plan.offer);
            done.wantsSave = answers.wantsSave;
            break;
        case S::Save:
            done.save = answers.save;
            if (answers.save == TSaveOutcome::Saved)
                flags.saved = true;
            break;
        case S::AskToOverwrite:
        case S::AskToDelete: done.confirmed = answers.confirmed; break;
        case S::Work: done.work = answers.work; break;
        case S::OpenNeighbour: done.neighbourRead = answers.neighbourRead; break;
        case S::KeepCopy: done.copyKept = answers.copyKept; break;
        case S::AskCloseAnyway: done.closeAnyway = answers.closeAnyway; break;
        default: return walk; // the step ends the command
        }
    }
    ADD_FAILURE() << "the plan never ends: " << walk.steps;
    return walk;
}

constexpr TPaletteFlags kUnsaved{.onFile = true, .saved = false, .hasSwatches = true, .listSelection = true};
constexpr TPaletteFlags kSaved{.onFile = true, .saved = true, .hasSwatches = true, .listSelection = true};
constexpr TPaletteFlags kNewUnsaved{.onFile = false, .saved = false, .hasSwatches = true, .listSelection = true};

TPaletteFlags With(TPaletteFlags f, void (*change)(TPaletteFlags&))
{
    change(f);
    return f;
}

const TPaletteChange kNoChange{};
const TPaletteChange kMarkedSaved{std::nullopt, true, TNameChange::Keep, false};
const TPaletteChange kOpened{true, std::nullopt, TNameChange::Chosen, false};
const TPaletteChange kSavedUnderName{true, true, TNameChange::Chosen, false};
const TPaletteChange kFreshUnsaved{false, false, TNameChange::Keep, true};
const TPaletteChange kImported{false, false, TNameChange::Chosen, false};
const TPaletteChange kUntitled{false, false, TNameChange::Untitled, true};

struct TCase {
    const char* what;
    TPaletteCommand command;
    TPaletteFlags flags;
    TAnswers answers;
    const char* steps;
    TPaletteChange change; // when it ends in Finish
};

void Check(const TCase& c)
{
    SCOPED_TRACE(c.what);
    const TWalk walk = Walk(c.command, c.flags, c.answers);
    EXPECT_EQ(walk.steps, c.steps);
    if (walk.last.next == S::Finish) {
        EXPECT_TRUE(walk.last.change == c.change);
    } else {
        EXPECT_TRUE(walk.last.change == kNoChange) << "a command given up changes nothing";
    }
}

} // namespace

TEST(PaletteCommands, LeavingThePalettePageAsksOnlyAboutUnsavedColours)
{
    const TCase cases[] = {
        {"saved: nothing asked", C::LeavePage, kSaved, {}, "Finish", kNoChange},
        {"No drops the changes and marks the palette saved",
         C::LeavePage,
         kUnsaved,
         {.wantsSave = false},
         "AskToSave Finish",
         kMarkedSaved},
        {"Yes saves, then leaves", C::LeavePage, kUnsaved, {}, "AskToSave Save Finish", kNoChange},
        {"Yes with the name dialog cancelled still leaves",
         C::LeavePage,
         kNewUnsaved,
         {.save = TSaveOutcome::Cancelled},
         "AskToSave Save Finish",
         kNoChange},
        {"Yes with a failed save stays on the page",
         C::LeavePage,
         kUnsaved,
         {.save = TSaveOutcome::Failed},
         "AskToSave Save GiveUp",
         kNoChange},
    };
    for (const TCase& c : cases)
        Check(c);
    TPaletteOutcomes none;
    EXPECT_EQ(PlanCommand(C::LeavePage, kUnsaved, none).offer, TSaveOffer::LeavePage);
}

TEST(PaletteCommands, NewAndImportOfferToSaveAndStartUnsaved)
{
    const TCase cases[] = {
        {"new over a saved palette", C::NewPalette, kSaved, {}, "Finish", kFreshUnsaved},
        {"new, No: the changes are dropped",
         C::NewPalette,
         kUnsaved,
         {.wantsSave = false},
         "AskToSave Finish",
         kFreshUnsaved},
        {"new, Yes: saved first", C::NewPalette, kUnsaved, {}, "AskToSave Save Finish", kFreshUnsaved},
        {"new, Yes, cancelled name dialog: still replaced",
         C::NewPalette,
         kNewUnsaved,
         {.save = TSaveOutcome::Cancelled},
         "AskToSave Save Finish",
         kFreshUnsaved},
        {"new, Yes, failed save: the palette stays",
         C::NewPalette,
         kUnsaved,
         {.save = TSaveOutcome::Failed},
         "AskToSave Save GiveUp",
         kNoChange},
        {"new from the list never asks", C::NewFromList, kUnsaved, {}, "Finish", kFreshUnsaved},
        {"import takes the file's name, unsaved", C::Import, kSaved, {}, "Finish", kImported},
        {"import, No", C::Import, kUnsaved, {.wantsSave = false}, "AskToSave Finish", kImported},
        {"import, failed save: the palette stays",
         C::Import,
         kUnsaved,
         {.save = TSaveOutcome::Failed},
         "AskToSave Save GiveUp",
         kNoChange},
    };
    for (const TCase& c : cases)
        Check(c);
    TPaletteOutcomes none;
    EXPECT_EQ(PlanCommand(C::NewPalette, kUnsaved, none).offer, TSaveOffer::Replace);
    EXPECT_EQ(PlanCommand(C::Import, kUnsaved, none).offer, TSaveOffer::Replace);
}

TEST(PaletteCommands, SaveWritesItsFileOrAsksForAName)
{
    const TPaletteFlags changed = With(kUnsaved, [](TPaletteFlags& f) { f.changedOnDisk = true; });
    const TCase cases[] = {
        {"its own file", C::Save, kUnsaved, {}, "Work Finish", kMarkedSaved},
        {"a write error", C::Save, kUnsaved, {.work = TWorkOutcome::Failed}, "Work GiveUp", kNoChange},
        {"changed by another program, overwrite", C::Save, changed, {}, "AskToOverwrite Work Finish", kMarkedSaved},
        {"changed by another program, declined",
         C::Save,
         changed,
         {.confirmed = false},
         "AskToOverwrite GiveUp",
         kNoChange},
        {"no file: the name dialog", C::Save, kNewUnsaved, {}, "Work Finish", kMarkedSaved},
        {"no file, dialog cancelled",
         C::Save,
         kNewUnsaved,
         {.work = TWorkOutcome::Cancelled},
         "Work GiveUp",
         kNoChange},
    };
    for (const TCase& c : cases)
        Check(c);

    struct TOutcomeCase {
        TPaletteFlags flags;
        TAnswers answers;
        TSaveOutcome outcome;
        bool nameDialog;
    };
    const TOutcomeCase outcomes[] = {
        {kUnsaved, {}, TSaveOutcome::Saved, false},
        {kUnsaved, {.work = TWorkOutcome::Failed}, TSaveOutcome::Failed, false},
        {changed, {.confirmed = false}, TSaveOutcome::Failed, false},
        {kNewUnsaved, {}, TSaveOutcome::Saved, true},
        {kNewUnsaved, {.work = TWorkOutcome::Cancelled}, TSaveOutcome::Cancelled, true},
        {kNewUnsaved, {.work = TWorkOutcome::Failed}, TSaveOutcome::Failed, true},
    };
    for (const TOutcomeCase& c : outcomes) {
        EXPECT_EQ(Walk(C::Save, c.flags, c.answers).last.saveOutcome, c.outcome);
        EXPECT_EQ(PlanCommand(C::Save, c.flags, {}).nameDialog, c.nameDialog);
    }
    // The changed-file question belongs to a palette with a file only.
    EXPECT_EQ(Walk(C::Save, With(kNewUnsaved, [](TPaletteFlags& f) { f.changedOnDisk = true; }), {}).steps,
              "Work Finish");
}

TEST(PaletteCommands, SaveAsOffersToSaveFirstAndReadsBackUnlessTheWriteFailed)
{
    const TCase cases[] = {
        {"no file: nothing happens", C::SaveAs, kNewUnsaved, {}, "GiveUp", kNoChange},
        {"saved: straight to the dialog", C::SaveAs, kSaved, {}, "Work Finish", kNoChange},
        {"unsaved, No", C::SaveAs, kUnsaved, {.wantsSave = false}, "AskToSave Work Finish", kNoChange},
        {"unsaved, Yes", C::SaveAs, kUnsaved, {}, "AskToSave Save Work Finish", kNoChange},
        {"unsaved, Yes, failed save: no dialog",
         C::SaveAs,
         kUnsaved,
         {.save = TSaveOutcome::Failed},
         "AskToSave Save GiveUp",
         kNoChange},
    };
    for (const TCase& c : cases)
        Check(c);
    EXPECT_EQ(PlanCommand(C::SaveAs, kUnsaved, {}).offer, TSaveOffer::SaveAsFirst);

    const std::pair<TWorkOutcome, bool> readBack[] = {
        {TWorkOutcome::Done, true}, // the new file
        {TWorkOutcome::Cancelled, true}, // the old one, dropping unsaved changes
        {TWorkOutcome::Failed, false}, // the colours that could not be written stay
    };
    for (const auto& [work, expected] : readBack)
        EXPECT_EQ(Walk(C::SaveAs, kSaved, {.work = work}).last.readBack, expected) << int(work);
}

TEST(PaletteCommands, TheNameDialogsCheckTheNameBeforeTheyWrite)
{
    const TPaletteFlags bad = With(kNewUnsaved, [](TPaletteFlags& f) { f.nameUsable = false; });
    const TPaletteFlags taken = With(kNewUnsaved, [](TPaletteFlags& f) { f.nameTaken = true; });
    const TPaletteFlags renameTaken = With(kSaved, [](TPaletteFlags& f) { f.nameTaken = true; });
    const TPaletteFlags renameBad = With(kSaved, [](TPaletteFlags& f) { f.nameUsable = false; });
    const TPaletteFlags nothingSelected = With(kSaved, [](TPaletteFlags& f) { f.listSelection = false; });
    const TCase cases[] = {
        {"save: a new name", C::SaveUnderName, kNewUnsaved, {}, "Work Finish", kSavedUnderName},
        {"save: a bad name", C::SaveUnderName, bad, {}, "TellBadName", kNoChange},
        {"save: a taken name, overwrite", C::SaveUnderName, taken, {}, "AskToOverwrite Work Finish", kSavedUnderName},
        {"save: a taken name, declined",
         C::SaveUnderName,
         taken,
         {.confirmed = false},
         "AskToOverwrite GiveUp",
         kNoChange},
        {"save: the write fails, the dialog stays",
         C::SaveUnderName,
         kNewUnsaved,
         {.work = TWorkOutcome::Failed},
         "Work GiveUp",
         kNoChange},
        {"rename: a new name", C::RenameTo, kSaved, {}, "Work Finish", kSavedUnderName},
        {"rename: a taken name", C::RenameTo, renameTaken, {}, "TellNameTaken", kNoChange},
        {"rename: a bad name", C::RenameTo, renameBad, {}, "TellBadName", kNoChange},
        {"rename: nothing selected, not even the name is looked at",
         C::RenameTo,
         With(renameBad, [](TPaletteFlags& f) { f.listSelection = false; }),
         {},
         "GiveUp",
         kNoChange},
        {"rename: the file system refuses",
         C::RenameTo,
         kSaved,
         {.work = TWorkOutcome::Failed},
         "Work GiveUp",
         kNoChange},
        {"rename menu: unsaved palette", C::Rename, kUnsaved, {}, "RemindToSave", kNoChange},
        {"rename menu: nothing selected", C::Rename, nothingSelected, {}, "GiveUp", kNoChange},
        {"rename menu: the dialog", C::Rename, kSaved, {}, "Work Finish", kNoChange},
    };
    for (const TCase& c : cases)
        Check(c);
}

TEST(PaletteCommands, OpenAndDeleteWorkOnTheSelectedEntry)
{
    const TPaletteFlags nothingSelected = With(kUnsaved, [](TPaletteFlags& f) { f.listSelection = false; });
    const TPaletteFlags withNeighbour = With(kUnsaved, [](TPaletteFlags& f) { f.hasNeighbour = true; });
    const TCase cases[] = {
        {"open", C::Open, kUnsaved, {}, "Work Finish", kOpened},
        {"open a damaged file: the palette stays",
         C::Open,
         kUnsaved,
         {.work = TWorkOutcome::Failed},
         "Work GiveUp",
         kNoChange},
        {"open with nothing selected", C::Open, nothingSelected, {}, "GiveUp", kNoChange},
        {"delete with nothing selected", C::Delete, nothingSelected, {}, "GiveUp", kNoChange},
        {"delete, No", C::Delete, withNeighbour, {.confirmed = false}, "AskToDelete GiveUp", kNoChange},
        {"delete, the file system refuses",
         C::Delete,
         withNeighbour,
         {.work = TWorkOutcome::Failed},
         "AskToDelete Work GiveUp",
         kNoChange},
        {"delete the last one: untitled", C::Delete, kUnsaved, {}, "AskToDelete Work Finish", kUntitled},
        {"delete: the neighbour opens", C::Delete, withNeighbour, {}, "AskToDelete Work OpenNeighbour Finish", kOpened},
        {"delete: the neighbour cannot be read",
         C::Delete,
         withNeighbour,
         {.neighbourRead = false},
         "AskToDelete Work OpenNeighbour Finish",
         kUntitled},
    };
    for (const TCase& c : cases)
        Check(c);
}

TEST(PaletteCommands, ClosingKeepsUnsavedColoursSomewhereOrAsks)
{
    const TPaletteFlags emptyUnsaved = With(kUnsaved, [](TPaletteFlags& f) { f.hasSwatches = false; });
    const TCase cases[] = {
        {"saved: closes", C::Close, kSaved, {}, "Finish", kNoChange},
        {"No throws the colours away", C::Close, kUnsaved, {.wantsSave = false}, "AskToSave Finish", kNoChange},
        {"Yes, saved", C::Close, kUnsaved, {}, "AskToSave Save Finish", kNoChange},
        {"Yes, failed, a copy kept",
         C::Close,
         kUnsaved,
         {.save = TSaveOutcome::Failed},
         "AskToSave Save KeepCopy Finish",
         kNoChange},
        {"Yes, dialog cancelled, a copy kept",
         C::Close,
         kNewUnsaved,
         {.save = TSaveOutcome::Cancelled},
         "AskToSave Save KeepCopy Finish",
         kNoChange},
        {"no copy anywhere, close anyway",
         C::Close,
         kUnsaved,
         {.save = TSaveOutcome::Failed, .copyKept = false},
         "AskToSave Save KeepCopy AskCloseAnyway Finish",
         kNoChange},
        {"no copy anywhere, keep the window",
         C::Close,
         kUnsaved,
         {.save = TSaveOutcome::Failed, .copyKept = false, .closeAnyway = false},
         "AskToSave Save KeepCopy AskCloseAnyway GiveUp",
         kNoChange},
        {"an empty palette needs no copy",
         C::Close,
         emptyUnsaved,
         {.save = TSaveOutcome::Failed},
         "AskToSave Save Finish",
         kNoChange},
    };
    for (const TCase& c : cases)
        Check(c);

    // The copy's message and name follow how the save went and whether the palette has a file.
    TPaletteOutcomes failed{.wantsSave = true, .save = TSaveOutcome::Failed};
    TPaletteCommandPlan copy = PlanCommand(C::Close, kUnsaved, failed);
    ASSERT_EQ(copy.next, S::KeepCopy);
    EXPECT_TRUE(copy.saveFailed);
    EXPECT_TRUE(copy.copyUnderName);
    TPaletteOutcomes cancelled{.wantsSave = true, .save = TSaveOutcome::Cancelled};
    copy = PlanCommand(C::Close, kNewUnsaved, cancelled);
    ASSERT_EQ(copy.next, S::KeepCopy);
    EXPECT_FALSE(copy.saveFailed);
    EXPECT_FALSE(copy.copyUnderName);
    cancelled.copyKept = false;
    EXPECT_FALSE(PlanCommand(C::Close, kNewUnsaved, cancelled).saveFailed);
    failed.copyKept = false;
    EXPECT_TRUE(PlanCommand(C::Close, kUnsaved, failed).saveFailed);
    // A save that reports no success but left the palette saved needs no copy.
    EXPECT_EQ(PlanCommand(C::Close, kSaved, TPaletteOutcomes{.wantsSave = true, .save = TSaveOutcome::Cancelled}).next,
              S::Finish);
}

TEST(PaletteCommands, OfferTextsAndChanges)
{
    EXPECT_EQ(SaveOfferText(TSaveOffer::LeavePage, "Cap", "Name"),
              QStringLiteral("Palette - Cap - is not saved. \nDo you want to save it now ?"));
    EXPECT_EQ(SaveOfferText(TSaveOffer::Replace, "Cap", "Name"),
              QStringLiteral("Do you want to save your palette - \nCap?"));
    EXPECT_EQ(SaveOfferText(TSaveOffer::SaveAsFirst, "Cap", "Name"),
              QStringLiteral("Palette - Name - is not saved.\nDo you want to save it now ?"));
    EXPECT_EQ(SaveOfferText(TSaveOffer::Close, "Cap", "Name"),
              QStringLiteral("Don't forget to save your palette!\nDo you want to save it now ?"));

    struct TChangeCase {
        TPaletteChange change;
        bool onFile, saved;
        const char* name;
        std::size_t swatches;
    };
    const TChangeCase changes[] = {
        {kNoChange, true, false, "Old", 2},      {kMarkedSaved, true, true, "Old", 2},
        {kOpened, true, false, "Chosen", 2},     {kSavedUnderName, true, true, "Chosen", 2},
        {kFreshUnsaved, false, false, "Old", 0}, {kUntitled, false, false, "untitled", 0},
    };
    for (const TChangeCase& c : changes) {
        TPaletteModel pal;
        pal.Palette = {{1, 2, 3, 0, 0}, {4, 5, 6, 0, 0}};
        pal.PaletteOnFile = true;
        pal.PaletteSaved = false;
        pal.PaletteName = "Old";
        ApplyChange(pal, c.change, "Chosen");
        EXPECT_EQ(pal.PaletteOnFile, c.onFile) << c.name;
        EXPECT_EQ(pal.PaletteSaved, c.saved) << c.name;
        EXPECT_EQ(pal.PaletteName, QString::fromLatin1(c.name));
        EXPECT_EQ(pal.Palette.size(), c.swatches) << c.name;
    }
}
