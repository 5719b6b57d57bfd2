// The Tools menu's dialogs. Each works on the document's rings without
// changing them and gives back the change the user asked for, which the
// caller applies (applyRingChange).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "state/State.h"
#include "geometry/Check.h"
#include "tools/RingTools.h"

class QWidget;

namespace tess {

// Simplify Ring…: a tolerance in metres, with the vertex counts before
// and after shown as it changes (for rings small enough to count at once).
// nullopt when cancelled.
std::optional<double> askSimplifyTolerance(QWidget* parent, const std::vector<RingText>& rings, int index);

// Grow or Shrink Ring…: a distance in metres or kilometres (negative
// inward), round or mitred corners. nullopt when cancelled.
struct GrowRequest {
    double metres = 0;
    Corners corners = Corners::Round;
};
std::optional<GrowRequest> askGrowDistance(QWidget* parent, int index);

// Check Document: the problems listed and their count, then the rings'
// areas and the document's (`areas`, one line each, the total last);
// choosing a problem calls `show` with it, choosing an area
// `showRing` with its ring.
void showProblems(QWidget* parent, const CheckReport& report, const std::vector<std::string>& areas,
                  const std::function<void(const Problem&)>& show, const std::function<void(int)>& showRing);

// Tools › Remove Holes Smaller Than…: an area in km², then the holes
// smaller than that removed in one step, and how many went told.
void removeSmallHolesCommand(QWidget* parent, State& s);

// Tools › Simplify Ring and Grow or Shrink Ring on the loaded ring: the
// dialog, then the change as one undoable step.
void simplifyCommand(QWidget* parent, State& s);
void growCommand(QWidget* parent, State& s);
// Tools › Check Document: the problems listed; choosing one shows its ring
// and the place; `refresh` shows the state again in the window.
void checkDocumentCommand(QWidget* parent, State& s, const std::function<void()>& refresh);

}  // namespace tess
