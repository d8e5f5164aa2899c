#pragma once

// Modal message boxes go through one service so that tests can script the
// answers and read what the operator would have been told.

#include <QString>

class QWidget;

namespace tessel {

class MessageService {
  public:
    virtual ~MessageService() = default;
    // An OK box.
    virtual void Inform(QWidget* parent, const QString& text, const QString& caption);
    // A Yes/No box; true for Yes.
    virtual bool AskYesNo(QWidget* parent, const QString& text, const QString& caption);
};

// The service in use; the real boxes unless a test installed its own.
MessageService& Messages();

// Installs a service (not owned); nullptr restores the real boxes.
void SetMessageService(MessageService* service);

// A box runs the window's event loop while it is up. Whoever shows one holds
// an OpenMessageBox for as long as it is open, so that handlers which must
// not run in the middle of the box's opener can tell (the console leaves
// what arrives meanwhile in the socket until the box is gone).
class OpenMessageBox {
  public:
    OpenMessageBox();
    ~OpenMessageBox();
    OpenMessageBox(const OpenMessageBox&) = delete;
    OpenMessageBox& operator=(const OpenMessageBox&) = delete;
};

bool MessageBoxOpen();

}  // namespace tessel
