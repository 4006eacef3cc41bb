#pragma once

// A window with something typed and not yet stored, for the commands that
// close the book or put another in its place while windows are open: it
// stores what it holds by running store (or cannot, when refuse is set),
// and counts what it was asked to do.

#include "platform/ui/forms.h"

#include <functional>

namespace kvtest {

class PendingEdit : public ui::Form {
public:
    PendingEdit() : ui::Form(QStringLiteral("frmKesken")) { setWindowTitle(QStringLiteral("Keskeneräinen")); }
    bool StorePendingEdits() override {
        ++stores;
        if (refuse) return false;
        if (store) store();
        return true;
    }
    void ReadBookAgain() override {
        ++readsAgain;
        if (readAgain) readAgain();
    }

    std::function<void()> store, readAgain;
    bool refuse = false;
    int stores = 0, readsAgain = 0;
};

}  // namespace kvtest
