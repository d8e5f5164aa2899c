#pragma once

// The buttons of a grid's form that send commands about the grid's entries
// ("New", "Update", "Delete"). A press sends at most one command: the buttons
// rest from the send until the page has read the router's answer, so a
// double click or an impatient second press sends nothing more. Those that
// act on an entry are ready only while the grid has one selected.

#include <QObject>

#include <vector>

class QAbstractButton;

namespace tessel {

class GridView;

class EntryButtons : public QObject {
    Q_OBJECT
  public:
    // anyTime: ready whenever no answer is awaited ("New", "Create").
    // onEntry: ready only with an entry of grid selected as well.
    EntryButtons(GridView* grid, std::vector<QAbstractButton*> anyTime,
                 std::vector<QAbstractButton*> onEntry, QObject* parent);

    // A command went out: the buttons rest until its answer is read.
    void Sent();
    // The page read the router again after an answer, on the operator's
    // request, or for a new session: the buttons follow the selection again.
    void Answered();
    // The grid's selection may have changed quietly (a refill): resting
    // buttons stay so, the others follow it.
    void Follow();

  private:
    GridView* grid_;
    std::vector<QAbstractButton*> anyTime_;
    std::vector<QAbstractButton*> onEntry_;
    bool awaitingAnswer_ = false;
};

}  // namespace tessel
