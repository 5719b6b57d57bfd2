// A thin owner of GEOS's re-entrant C API: one context per object (so
// each call, or each thread, has its own), geometries that free themselves,
// and the conversion between vertices and GEOS rings and polygons.
// GEOS reports failures through its context; they become GeosError, or
// std::bad_alloc when GEOS ran out of memory.
#pragma once

#define GEOS_USE_ONLY_R_API
#include <geos_c.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "geometry/Vertex.h"

namespace tess {

struct GeosError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A geometry owned by the context that made it.
struct GeomDeleter {
    GEOSContextHandle_t handle = nullptr;
    void operator()(GEOSGeometry* g) const { GEOSGeom_destroy_r(handle, g); }
};
using Geom = std::unique_ptr<GEOSGeometry, GeomDeleter>;

struct PreparedDeleter {
    GEOSContextHandle_t handle = nullptr;
    void operator()(const GEOSPreparedGeometry* g) const { GEOSPreparedGeom_destroy_r(handle, g); }
};
using Prepared = std::unique_ptr<const GEOSPreparedGeometry, PreparedDeleter>;

class Geos {
public:
    Geos();
    ~Geos();
    Geos(const Geos&) = delete;
    Geos& operator=(const Geos&) = delete;

    GEOSContextHandle_t handle() const { return handle_; }

    // Takes ownership of what a GEOS call returned; a null result throws
    // the context's last failure.
    Geom own(GEOSGeometry* g) const;
    Prepared prepare(const GEOSGeometry* g) const;
    // The area a polygon that crosses itself winds around, repaired by its
    // structure, parts that collapse to lines or points dropped.
    Geom repaired(const GEOSGeometry* polygon) const;
    // Throws when a GEOS predicate answered 2 (its error value).
    bool check(char answer) const;

    // A line string through the vertices.
    Geom lineString(const Vertices& v) const;
    // A polygon whose shell runs through the vertices, closed here when
    // the last is not the first; fewer than four after closing throws.
    Geom polygon(const Vertices& v) const;

    // The vertices of a line string or ring.
    Vertices vertices(const GEOSGeometry* lineOrRing) const;
    // A polygon's shell and holes, and a (multi)polygon's polygons.
    Vertices shell(const GEOSGeometry* polygon) const;
    std::vector<Vertices> holes(const GEOSGeometry* polygon) const;
    std::vector<const GEOSGeometry*> parts(const GEOSGeometry* g) const;

    // The last message GEOS reported.
    const std::string& lastError() const { return error_; }
    // Throws what GEOS's last failure was.
    [[noreturn]] void fail() const;

private:
    GEOSCoordSequence* sequence(const Vertices& v) const;

    GEOSContextHandle_t handle_;
    std::string error_;
};

}  // namespace tess
