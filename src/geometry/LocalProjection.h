// Metres on the ground around one place: an azimuthal equidistant
// projection on the sphere centred on the middle of a ring's bounds.
// Distances from the centre are exact and others stay within a fraction
// of a percent over a few hundred kilometres, so tolerances and buffer
// distances typed in metres mean metres where the ring is.
#pragma once

#include "geometry/Vertex.h"

namespace tess {

inline constexpr double kEarthRadiusMetres = 6371008.8;  // the mean radius

class LocalProjection {
public:
    explicit LocalProjection(Vertex centre);
    // Centred on the middle of the vertices' bounds.
    static LocalProjection around(const Vertices& v);

    Vertex centre() const { return centre_; }
    // Degrees to metres east (lon) and north (lat) of the centre.
    Vertex forward(Vertex v) const;
    Vertex inverse(Vertex metres) const;
    Vertices forward(const Vertices& v) const;
    Vertices inverse(const Vertices& metres) const;

private:
    Vertex centre_;
    double sinLat0_, cosLat0_;
};

}  // namespace tess
