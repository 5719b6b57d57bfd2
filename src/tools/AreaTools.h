// The tools that work on the document's area as a whole: Union, Clip to
// File, Subtract File, Remove Holes Smaller Than and Split at ±180°. Each
// replaces the document's rings in one undoable step; the window and the
// batch commands run the same procedures. Also the sizes the status bar
// and the check show.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "state/State.h"

namespace tess {

enum class AreaTool { Union, Clip, Subtract };

// Puts `rings` in the place of every ring of the document as one step named
// `name`, and shows the first. False after a message when nothing would be
// left or more rings than a document holds; true, with no step, when the
// rings are the document's own.
bool replaceAllRings(State& s, std::vector<RingText> rings, const std::string& name);

// Union of the document's area; Clip and Subtract with the area of the
// file at `otherFile`, read through the format registry. False after a
// message when the file cannot be read or GEOS fails.
bool applyAreaTool(State& s, AreaTool tool, const std::string& otherFile = {});

// Tools › Union, Clip to File… and Subtract File…: the file is chosen in
// the open dialog first; nothing happens while an outline waits for "+".
void areaToolCommand(State& s, AreaTool tool);

// Removes the holes smaller than `squareKilometres`; how many went, or
// nothing after a message.
std::optional<int> removeHolesSmallerThan(State& s, double squareKilometres);
// "3 holes were removed."
std::string holesRemovedText(int count);

// Every ring that crosses the ±180° line rewritten as its pieces on either
// side, one step; false after a message when no ring crosses.
bool splitRingsAtAntimeridian(State& s);

// "357,021.6 km²": an area in square metres, in square kilometres with as
// many decimals as make sense for its size.
std::string squareKilometresText(double squareMetres);
// "3,957.2 km".
std::string kilometresText(double metres);

// The status bar's note on the loaded ring: "357,021.6 km², 3,957.2 km
// around". Measured once for each ring's content, and again only when it
// changed.
std::string loadedRingSize(const State& s);

// The area lines of Check Document and --check: "Ring 3: 12.5 km²" for
// every ring, then "Total: ..." for the document (holes taken out,
// overlaps counted once). Throws GeosError when GEOS fails.
std::vector<std::string> areaLines(const std::vector<RingText>& rings);

}  // namespace tess
