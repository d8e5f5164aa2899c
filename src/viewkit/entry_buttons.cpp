#include "viewkit/entry_buttons.hpp"

#include "viewkit/console_buttons.hpp"
#include "widgets/grid_view.hpp"

#include <QItemSelectionModel>

#include <utility>

namespace tessel {

EntryButtons::EntryButtons(GridView* grid, std::vector<QAbstractButton*> anyTime,
                           std::vector<QAbstractButton*> onEntry, QObject* parent)
    : QObject(parent), grid_(grid), anyTime_(std::move(anyTime)), onEntry_(std::move(onEntry)) {
    // The operator's own moves, Ctrl+click off included; a refill is quiet
    // and its page calls Follow.
    connect(grid_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &EntryButtons::Follow);
    Follow();
}

void EntryButtons::Sent() {
    awaitingAnswer_ = true;
    Follow();
}

void EntryButtons::Answered() {
    awaitingAnswer_ = false;
    Follow();
}

void EntryButtons::Follow() {
    const bool entry = grid_->SelectedRow() >= 0;
    for (QAbstractButton* button : anyTime_) {
        SetConsoleButtonReady(button, !awaitingAnswer_);
    }
    for (QAbstractButton* button : onEntry_) {
        SetConsoleButtonReady(button, !awaitingAnswer_ && entry);
    }
}

}  // namespace tessel
