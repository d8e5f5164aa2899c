#pragma once

// The login block of the small login window: destination, login, password,
// source address and community, the status line, "Login" and the progress
// bar of the post-login load.

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QWidget;

namespace tessel {

class RecentRoutersBox;

struct LoginBlock {
    // Places the block on area, in its tab order; Enter in a field presses
    // "Login".
    void BuildLoginBlock(QWidget* area);
    // Every control of the block, the progress bar included.
    void SetLoginBlockVisible(bool visible);
    // The fields as a fresh login window shows them; the progress bar hidden.
    void ClearLoginFields();

    QLabel* Label86 = nullptr;
    QLabel* Label87 = nullptr;
    QLabel* Label88 = nullptr;
    QLabel* Label89 = nullptr;
    QLabel* Label93 = nullptr;
    QLineEdit* Edit5 = nullptr;
    QLineEdit* Edit12 = nullptr;
    QLineEdit* Edit13 = nullptr;
    QComboBox* ComboBox13 = nullptr;
    QLineEdit* Edit15 = nullptr;
    QLabel* Label85 = nullptr;
    QPushButton* Button1 = nullptr;
    QProgressBar* ProgressBar3 = nullptr;
    // The routers that accepted a login, offered in the first fields.
    RecentRoutersBox* recentRouters_ = nullptr;
};

}  // namespace tessel
