// The window's answers when a boundary is imported: a progress window with
// Cancel, the chooser (a filter box over a table that sorts by the column
// clicked) and the list of places where an outline is incomplete.
#pragma once

#include <memory>

#include "osm/BoundaryChoices.h"

class QWidget;
class QProgressDialog;

namespace tess {

class QtBoundaryChoices : public BoundaryChoices {
public:
    explicit QtBoundaryChoices(QWidget* parent);
    ~QtBoundaryChoices() override;

    void beginWork(const std::string& caption) override;
    bool working(std::uint64_t done, std::uint64_t total) override;
    void endWork() override;
    std::vector<std::int64_t> choose(const std::vector<Boundary>& found) override;
    void listProblems(const std::vector<OutlinePlace>& places,
                      const std::function<void(const OutlinePlace&)>& show) override;

private:
    QWidget* parent_;
    std::unique_ptr<QProgressDialog> progress_;
};

}  // namespace tess
