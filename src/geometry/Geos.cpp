// GEOS contexts, owned geometries and vertex conversion.
#include "geometry/Geos.h"

#include <new>

namespace tess {

namespace {

void keepMessage(const char* message, void* userdata) {
    *static_cast<std::string*>(userdata) = message ? message : "";
}

}  // namespace

Geos::Geos() : handle_(GEOS_init_r()) {
    if (!handle_) throw GeosError("GEOS could not start");
    GEOSContext_setErrorMessageHandler_r(handle_, keepMessage, &error_);
}

Geos::~Geos() { GEOS_finish_r(handle_); }

void Geos::fail() const {
    // GEOS catches what its C++ core throws and keeps only the message;
    // running out of memory is told apart by it.
    if (error_.find("bad_alloc") != std::string::npos) throw std::bad_alloc();
    throw GeosError(error_.empty() ? "GEOS failed" : error_);
}

Geom Geos::own(GEOSGeometry* g) const {
    if (!g) fail();
    return Geom(g, GeomDeleter{handle_});
}

Geom Geos::repaired(const GEOSGeometry* polygon) const {
    GEOSMakeValidParams* params = GEOSMakeValidParams_create_r(handle_);
    if (!params) fail();
    GEOSMakeValidParams_setMethod_r(handle_, params, GEOS_MAKE_VALID_STRUCTURE);
    GEOSMakeValidParams_setKeepCollapsed_r(handle_, params, 0);
    GEOSGeometry* valid = GEOSMakeValidWithParams_r(handle_, polygon, params);
    GEOSMakeValidParams_destroy_r(handle_, params);
    return own(valid);
}

Prepared Geos::prepare(const GEOSGeometry* g) const {
    const GEOSPreparedGeometry* p = GEOSPrepare_r(handle_, g);
    if (!p) fail();
    return Prepared(p, PreparedDeleter{handle_});
}

bool Geos::check(char answer) const {
    if (answer == 2) fail();
    return answer == 1;
}

GEOSCoordSequence* Geos::sequence(const Vertices& v) const {
    static_assert(sizeof(Vertex) == 2 * sizeof(double));
    GEOSCoordSequence* seq =
        GEOSCoordSeq_copyFromBuffer_r(handle_, reinterpret_cast<const double*>(v.data()), static_cast<unsigned>(v.size()), 0, 0);
    if (!seq) fail();
    return seq;
}

Geom Geos::lineString(const Vertices& v) const { return own(GEOSGeom_createLineString_r(handle_, sequence(v))); }

Geom Geos::polygon(const Vertices& v) const {
    // A closed ring, as most are, is not copied to be closed.
    if (v.size() >= 2 && v.front() != v.back()) return polygon(closed(v));
    if (v.size() < 4) throw GeosError("A ring needs at least three distinct vertices");
    GEOSGeometry* shell = GEOSGeom_createLinearRing_r(handle_, sequence(v));
    if (!shell) fail();
    return own(GEOSGeom_createPolygon_r(handle_, shell, nullptr, 0));
}

Vertices Geos::vertices(const GEOSGeometry* lineOrRing) const {
    const GEOSCoordSequence* seq = GEOSGeom_getCoordSeq_r(handle_, lineOrRing);
    unsigned size = 0;
    if (!seq || !GEOSCoordSeq_getSize_r(handle_, seq, &size)) fail();
    Vertices out(size);
    if (size && !GEOSCoordSeq_copyToBuffer_r(handle_, seq, reinterpret_cast<double*>(out.data()), 0, 0)) fail();
    return out;
}

Vertices Geos::shell(const GEOSGeometry* polygon) const {
    return vertices(GEOSGetExteriorRing_r(handle_, polygon));
}

std::vector<Vertices> Geos::holes(const GEOSGeometry* polygon) const {
    std::vector<Vertices> out;
    const int n = GEOSGetNumInteriorRings_r(handle_, polygon);
    for (int i = 0; i < n; ++i) out.push_back(vertices(GEOSGetInteriorRingN_r(handle_, polygon, i)));
    return out;
}

std::vector<const GEOSGeometry*> Geos::parts(const GEOSGeometry* g) const {
    std::vector<const GEOSGeometry*> out;
    const int n = GEOSGetNumGeometries_r(handle_, g);
    for (int i = 0; i < n; ++i) {
        const GEOSGeometry* part = GEOSGetGeometryN_r(handle_, g, i);
        if (!GEOSisEmpty_r(handle_, part)) out.push_back(part);
    }
    return out;
}

}  // namespace tess
