// Rings that cross the ±180° line. A file draws such a ring with an edge
// that jumps more than half a turn in longitude (179.5 to -179.5): the
// ring means the short way across the line, not the long way round the
// globe. Unwrapped, its longitudes run on past 180 (179.5 to 180.5), and
// every tool that measures or cuts works on it in that frame.
#pragma once

#include <vector>

#include "document/PolyText.h"
#include "geometry/Vertex.h"

namespace tess {

// Follows a ring's vertices one after the other and gives each longitude
// back shifted by whole turns so that no step jumps more than half a turn.
// An edge along a pole (both ends at latitude 90, or both at -90) is a
// single point on the Earth, however far apart its longitudes: it jumps
// nowhere.
class ContinuousLongitude {
public:
    // A follower that is not `across` gives every longitude back as it is.
    explicit ContinuousLongitude(bool across = true) : across_(across) {}
    double next(double lon, double lat);

private:
    double shift_ = 0;
    double previous_ = 0;
    double previousLat_ = 0;
    bool started_ = false;
    bool across_;
};

// The edge jumps more than 180° in longitude (edges along a pole aside).
bool jumpsAcrossAntimeridian(Vertex from, Vertex to);
// Some edge of the ring does, and every longitude lies within -180..180,
// as files write such a ring (one whose longitudes run past 180 already
// keeps itself whole, and one far off the globe crosses nothing).
bool crossesAntimeridian(const Vertices& ring);
// What a ring's facts allow: its longitudes lie within -180..180 and span
// more than 180° (the facts not known, maybe).
bool mayCrossAntimeridian(const RingFacts& facts);

// The ring with every longitude shifted by whole turns so that no edge
// jumps more than half a turn; the first vertex stays where it is.
Vertices unwrapped(Vertices ring);

// Longitudes beyond -180..180 brought back by whole turns, one vertex at
// a time: a ring that spans the line is written as files write it.
Vertices wrapped(Vertices ring);

// The shift, in whole turns of 360°, that brings a longitude span's middle
// into 0..360 (a frame in which rings on both sides of the line meet).
double shiftIntoEasternFrame(double minLon, double maxLon);

// Rings the document's tools work on together. In the ordinary frame each
// ring stays as it stands; when any ring crosses the line, every ring is
// unwrapped and shifted by whole turns so that its middle lies in 0..360,
// where the line runs through the middle of the map instead of its edges.
struct RingFrame {
    bool shifted = false;
    std::vector<Vertices> rings;  // closed, in the frame
};
RingFrame frameOf(std::vector<Vertices> rings);
// One ring in the frame: closed, and when `shifted`, unwrapped and moved.
Vertices ringInFrame(Vertices ring, bool shifted);
// Some ring crosses the line; only rings whose known bounds span more than
// 180° are read to find out.
bool anyCrossesAntimeridian(const std::vector<RingText>& rings);

// A ring split at the line: the pieces of its area on either side, each
// within -180..180 (closed; a ring that does not cross comes back alone,
// as it was). No piece spans more than 180° unless the ring did.
std::vector<Vertices> splitAtAntimeridian(const Vertices& ring);

}  // namespace tess
