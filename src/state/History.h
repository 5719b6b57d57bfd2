// The one door every change to the document passes through. A change is a
// small object that knows how to make itself and take itself back, holds
// only what it changed (one vertex, one ring's text, the title), and says
// which ring to show afterwards; the caller loads that ring and draws.
// applyChange makes it and files it in the history, which keeps the
// unsaved mark: the document is unsaved exactly when it holds something
// else than at the last load or save, however the changes came there (a
// title typed back, a vertex moved back, steps undone).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/Document.h"
#include "document/LoadedRing.h"

namespace tess {

struct OpenDocument;

class Change {
public:
    virtual ~Change() = default;
    // What the Edit menu calls it: "Move Vertex", "Remove Ring 3".
    virtual std::string name() const = 0;
    // Makes the change (the first time and on Redo), and takes it back.
    // Each gives the ring to show afterwards, or -1 for the one shown.
    virtual int apply(Document& d, LoadedRing& loaded) = 0;
    virtual int revert(Document& d, LoadedRing& loaded) = 0;
};

// What a ring was at the last load or save: its name and its vertices, the
// values told by their count and checksum, not by how they are written.
struct RingIdentity {
    std::string name;
    std::int64_t vertices = 0;
    std::uint64_t checksum = 0;
    friend bool operator==(const RingIdentity&, const RingIdentity&) = default;
};

struct History {
    std::vector<std::unique_ptr<Change>> done;    // Undo takes the last
    std::vector<std::unique_ptr<Change>> undone;  // Redo takes the last
    // The document as its file holds it.
    std::string savedTitle;
    std::vector<RingIdentity> savedRings;
    // Unsaved changes the history does not hold: a document read from a
    // GPX file, or its file written over by a selection.
    bool changedOutside = false;
};

// Makes the change, files it and marks the document; the ring to show.
// Typing in the title not yet filed is filed first, as a step of its own;
// so it is before Undo, Redo and a save.
int applyChange(OpenDocument& d, std::unique_ptr<Change> change);
// Takes back the last change, or makes again the last one taken back; the
// ring to show, or nothing when there was no change.
std::optional<int> undoChange(OpenDocument& d);
std::optional<int> redoChange(OpenDocument& d);
// There is a change (or typing in the title) that Undo would take back.
bool canUndo(const OpenDocument& d);
// "Undo Move Vertex", or "Undo" when there is nothing to undo.
std::string undoCaption(const OpenDocument& d);
std::string redoCaption(const OpenDocument& d);

// A document was opened or made new (its title already in place): the
// history starts again. `unsaved` for one that is not in a file of its own.
void startHistory(OpenDocument& d, bool unsaved);
// The document now matches its file.
void markSaved(OpenDocument& d);
// The document's file no longer holds it, though nothing in it changed.
void markChangedOutside(OpenDocument& d);
// Shows the unsaved mark as the document stands against its file.
void showUnsavedMark(OpenDocument& d);

}  // namespace tess
