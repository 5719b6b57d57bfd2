// Assembled outlines as a document: every outer ring followed by its holes
// ("!"), outer rings largest first, titled after the relations.
#pragma once

#include <string>
#include <vector>

#include "document/PolyText.h"
#include "osm/BoundaryAssembly.h"

namespace tess {

struct BoundaryDocument {
    PolyFile file;
    std::string error;  // nothing to import: the message
    bool ok() const { return error.empty(); }
};

// The rings of every outline (of an incomplete one, the rings that close).
BoundaryDocument outlineDocument(const std::vector<BoundaryOutline>& outlines);

// The relations' names joined by "; "; a relation without a name is
// "Relation ID".
std::string outlineTitle(const std::vector<BoundaryOutline>& outlines);

// One line for each incomplete relation, as outlineDocument's caller tells
// them before importing.
std::vector<std::string> incompleteRelations(const std::vector<BoundaryOutline>& outlines);
// One line for each relation with relations among its members.
std::vector<std::string> nestedRelations(const std::vector<BoundaryOutline>& outlines);
// The places where the outlines are wrong, relation after relation.
std::vector<OutlinePlace> problemPlaces(const std::vector<BoundaryOutline>& outlines);

}  // namespace tess
