// The decisions of the palette's file commands, apart from any window: which
// question or message comes next, and what becomes of the open palette's
// flags and name. The window runs each step PlanCommand names, records how it
// went in TPaletteOutcomes and asks again, until Finish or GiveUp.
#pragma once

#include "palette/PaletteModel.h"

#include <QString>

#include <optional>

enum class TPaletteCommand {
    Save, // the File menu's "Save"
    SaveAs, // "Save As"
    SaveUnderName, // "Ok" in the name dialog
    NewPalette, // "New Palette"
    NewFromList, // "New" on "My Palettes" (the palette page was left already)
    Import, // "Import palette...", once the file was read
    Open, // the palette selected in "My Palettes"
    Rename, // the File menu's "Rename"
    RenameTo, // "Ok" in the rename dialog
    Delete, // "Delete": the palette selected in "My Palettes"
    LeavePage, // the user leaves the palette page
    Close, // the window closes
};

// What the plan looks at: the open palette and the facts of the command.
struct TPaletteFlags {
    bool onFile = false; // PaletteOnFile: the palette has a file
    bool saved = false; // PaletteSaved: no changes since its file was read or written
    bool hasSwatches = false;
    bool listSelection = false; // an entry of "My Palettes" is selected
    bool hasNeighbour = false; // Delete: another entry is listed
    bool changedOnDisk = false; // Save: another program changed the palette's file
    bool nameUsable = true; // the name dialogs: the typed name can be a file's
    bool nameTaken = false; // the name dialogs: a listed palette has the typed name
};

// Failed: the palette is not saved although the user asked for it (a write
// error, even when the name dialog was cancelled after it, or an overwrite
// of another program's changes declined). Cancelled: the name dialog was
// cancelled without a failed write.
enum class TSaveOutcome { Saved, Cancelled, Failed };
// How the command's own work went (a write, a read, a rename, an unlink, a dialog).
enum class TWorkOutcome { Done, Cancelled, Failed };

// How the steps run so far went; each stays empty until its step has run.
struct TPaletteOutcomes {
    std::optional<bool> wantsSave{}; // the answer to the offer to save first
    std::optional<TSaveOutcome> save{}; // the save that answer asked for
    std::optional<bool> confirmed{}; // the answer to AskToDelete or AskToOverwrite
    std::optional<TWorkOutcome> work{}; // the command's own work
    std::optional<bool> neighbourRead{}; // Delete: the entry beside the deleted one was read
    std::optional<bool> copyKept{}; // Close: a copy of the colours was kept
    std::optional<bool> closeAnyway{}; // the answer to AskCloseAnyway
};

enum class TPaletteStep {
    AskToSave, // the offer to save the unsaved colours first (`offer` says which)
    Save, // save as "Save" does
    RemindToSave, // Rename: the palette must be saved first; nothing more happens
    TellBadName, // the name dialogs: the name cannot be a file's; the dialog stays
    TellNameTaken, // the rename dialog: a listed palette has the name; the dialog stays
    AskToOverwrite, // Save: the file was changed by another program; SaveUnderName: the name is taken
    AskToDelete, // Delete: the palette cannot be restored afterwards
    Work, // the command's own work
    OpenNeighbour, // Delete: read the entry beside the deleted one
    KeepCopy, // Close: keep a copy of the colours where the user's data lives, or elsewhere
    AskCloseAnyway, // Close: no copy could be kept anywhere
    Finish, // the command is over: apply `change`
    GiveUp, // nothing more changes (Close: the window stays open; LeavePage: the page stays)
};

// The offers to save first, each with its own question.
enum class TSaveOffer { None, LeavePage, Replace, SaveAsFirst, Close };

enum class TNameChange {
    Keep, // the name stays
    Untitled, // "untitled"
    Chosen, // the name the command worked on: typed, selected, imported, the neighbour
};

// What a finished command does to the open palette.
struct TPaletteChange {
    std::optional<bool> onFile;
    std::optional<bool> saved;
    TNameChange name = TNameChange::Keep;
    bool clear = false; // its colours are dropped
    friend bool operator==(const TPaletteChange&, const TPaletteChange&) = default;
};

struct TPaletteCommandPlan {
    TPaletteStep next = TPaletteStep::GiveUp;
    TSaveOffer offer = TSaveOffer::None; // AskToSave: which question
    bool nameDialog = false; // Save's work: the name dialog (the palette has no file yet), else its own file
    bool readBack = false; // SaveAs, finished: read the palette's file again
    bool saveFailed = false; // KeepCopy: the message says the palette could not be saved (else was not)
    bool copyUnderName = false; // KeepCopy: the copy is named after the palette (else "untitled")
    TSaveOutcome saveOutcome = TSaveOutcome::Saved; // Save, at its end: how it went
    TPaletteChange change; // Finish: what becomes of the palette
};

TPaletteCommandPlan PlanCommand(TPaletteCommand command, const TPaletteFlags& flags, const TPaletteOutcomes& done);

// The question of an offer to save first. `caption` is the palette page's,
// `name` the palette's.
QString SaveOfferText(TSaveOffer offer, const QString& caption, const QString& name);

// Applies a finished command's change; `chosen` is the name it worked on.
void ApplyChange(TPaletteModel& pal, const TPaletteChange& change, const QString& chosen);
