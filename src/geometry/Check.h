// Checking a document for what makes other tools refuse it or read it
// differently than its author meant.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/PolyText.h"
#include "geometry/Vertex.h"

namespace tess {

enum class ProblemKind {
    SelfIntersection,  // the ring crosses or touches itself
    RepeatedVertex,    // a vertex repeats the one before it
    NotClosed,         // the last vertex is not the first
    TooFewVertices,    // fewer than three distinct vertices
    HoleOutside,       // a hole inside no outer ring: it cuts nothing out
    OuterOverlap,      // two outer rings share area
    OutOfRange,        // vertices beyond -180..180 or -90..90
    CrossesAntimeridian,  // an edge jumps across the ±180° line
};

// Rings and vertices are counted from 0 here, and shown from 1.
struct Problem {
    ProblemKind kind = ProblemKind::SelfIntersection;
    int ring = 0;
    std::int64_t vertex = -1;       // where it is, -1 for the whole ring
    std::int64_t otherVertex = -1;  // a crossing's second edge; the start of an edge across the ±180° line
    int otherRing = -1;             // the other ring of an overlap
    Vertex place{};                 // where to look: the crossing point, the vertex, or a vertex of the ring
    std::int64_t more = 0;          // vertices out of range besides the first
};

// The first problems of a document and how many there are in all.
struct CheckReport {
    std::vector<Problem> problems;
    std::int64_t total = 0;
};

// The line that describes a problem, such as
// "Ring 3: edges 12-13 and 40-41 cross at 10.5 50.25".
std::string describe(const Problem& problem);

// The problems of the rings, ring by ring in order (the overlaps and holes
// outside after the rings' own problems), at most `mostListed` of them,
// and their count. Each pair of edges that meet is one problem; an outer
// ring that overlaps later ones is one problem naming the first of them.
// Time and memory grow with the vertices and the places where edges meet,
// never with the pairs of rings or edges that do not meet.
CheckReport checkDocument(const std::vector<RingText>& rings, std::size_t mostListed);
// Every problem.
std::vector<Problem> checkDocument(const std::vector<RingText>& rings);

}  // namespace tess
