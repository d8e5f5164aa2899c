#include "app/login_block.hpp"

#include "app/login_keys.hpp"
#include "app/recent_routers_box.hpp"
#include "viewkit/controls.hpp"
#include "viewkit/named.hpp"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include <initializer_list>

namespace tessel {

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const char* caption, int y) {
    auto* label = Named(new QLabel(QLatin1String(caption), parent), name);
    label->setGeometry(8, y, 142, 21);
    return label;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, int y) {
    auto* edit = Named(new QLineEdit(parent), name);
    edit->setGeometry(150, y, 111, 21);
    return edit;
}

}  // namespace

void LoginBlock::BuildLoginBlock(QWidget* area) {
    destinationAddressLabel_ = MakeLabel(area, "Label86", "Destination IP-address:", 24);
    destinationAddressEdit_ = MakeEdit(area, "Edit5", 24);
    NameAfterCaption(destinationAddressLabel_, destinationAddressEdit_);
    loginNameLabel_ = MakeLabel(area, "Label87", "Login:", 56);
    loginNameEdit_ = MakeEdit(area, "Edit12", 56);
    NameAfterCaption(loginNameLabel_, loginNameEdit_);
    passwordLabel_ = MakeLabel(area, "Label88", "Password:", 88);
    passwordEdit_ = MakeEdit(area, "Edit13", 88);
    NameAfterCaption(passwordLabel_, passwordEdit_);
    passwordEdit_->setEchoMode(QLineEdit::Password);
    sourceAddressLabel_ = MakeLabel(area, "Label89", "Source IP-address:", 120);
    sourceAddressCombo_ = Named(new QComboBox(area), "ComboBox13");
    sourceAddressCombo_->setEditable(false);
    sourceAddressCombo_->setGeometry(150, 120, 111, 21);
    NameAfterCaption(sourceAddressLabel_, sourceAddressCombo_);
    communityLabel_ = MakeLabel(area, "Label93", "Community:", 152);
    communityEdit_ = MakeEdit(area, "Edit15", 152);
    NameAfterCaption(communityLabel_, communityEdit_);
    recentRouters_ = new RecentRoutersBox(destinationAddressEdit_, loginNameEdit_, communityEdit_);
    loginStatusLabel_ = Named(new QLabel(area), "Label85");
    loginStatusLabel_->setGeometry(16, 184, 237, 34);
    loginStatusLabel_->setWordWrap(true);
    loginStatusLabel_->setAlignment(Qt::AlignCenter);
    loginButton_ = Named(new QPushButton(QStringLiteral("Login"), area), "Button1");
    loginButton_->setGeometry(97, 228, 75, 25);
    loginButton_->setDefault(true);
    loginProgressBar_ = Named(new QProgressBar(area), "ProgressBar3");
    loginProgressBar_->setGeometry(16, 268, 237, 17);
    loginProgressBar_->setRange(0, 100);
    loginProgressBar_->setTextVisible(false);
    loginProgressBar_->hide();

    QWidget::setTabOrder(destinationAddressEdit_, loginNameEdit_);
    QWidget::setTabOrder(loginNameEdit_, passwordEdit_);
    QWidget::setTabOrder(passwordEdit_, sourceAddressCombo_);
    QWidget::setTabOrder(sourceAddressCombo_, communityEdit_);
    QWidget::setTabOrder(communityEdit_, loginButton_);
    PressOnEnter(loginButton_, {destinationAddressEdit_, loginNameEdit_, passwordEdit_,
                                sourceAddressCombo_, communityEdit_});
}

void LoginBlock::SetLoginBlockVisible(bool visible) {
    for (QWidget* widget : std::initializer_list<QWidget*>{
             loginProgressBar_, destinationAddressEdit_, communityEdit_, loginNameEdit_,
             passwordEdit_, loginStatusLabel_, sourceAddressCombo_, loginButton_,
             destinationAddressLabel_, loginNameLabel_, passwordLabel_, sourceAddressLabel_}) {
        widget->setVisible(visible);
    }
}

void LoginBlock::ClearLoginFields() {
    loginProgressBar_->hide();
    destinationAddressEdit_->show();
    destinationAddressEdit_->clear();
    communityEdit_->setText(QStringLiteral("tarnel"));
    communityEdit_->show();
    loginNameEdit_->show();
    loginNameEdit_->clear();
    passwordEdit_->show();
    passwordEdit_->clear();
    loginStatusLabel_->show();
    destinationAddressEdit_->setFocus();
    for (QWidget* widget : std::initializer_list<QWidget*>{
             sourceAddressCombo_, loginButton_, destinationAddressLabel_, loginNameLabel_,
             passwordLabel_, sourceAddressLabel_}) {
        widget->show();
    }
}

}  // namespace tessel
