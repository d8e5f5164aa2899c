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

    QLabel* destinationAddressLabel_ = nullptr;
    QLabel* loginNameLabel_ = nullptr;
    QLabel* passwordLabel_ = nullptr;
    QLabel* sourceAddressLabel_ = nullptr;
    QLabel* communityLabel_ = nullptr;
    QLineEdit* destinationAddressEdit_ = nullptr;
    QLineEdit* loginNameEdit_ = nullptr;
    QLineEdit* passwordEdit_ = nullptr;
    QComboBox* sourceAddressCombo_ = nullptr;
    QLineEdit* communityEdit_ = nullptr;
    QLabel* loginStatusLabel_ = nullptr;
    QPushButton* loginButton_ = nullptr;
    QProgressBar* loginProgressBar_ = nullptr;
    // The routers that accepted a login, offered in the first fields.
    RecentRoutersBox* recentRouters_ = nullptr;
};

}  // namespace tessel
