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
    Label86 = MakeLabel(area, "Label86", "Destination IP-address:", 24);
    Edit5 = MakeEdit(area, "Edit5", 24);
    NameAfterCaption(Label86, Edit5);
    Label87 = MakeLabel(area, "Label87", "Login:", 56);
    Edit12 = MakeEdit(area, "Edit12", 56);
    NameAfterCaption(Label87, Edit12);
    Label88 = MakeLabel(area, "Label88", "Password:", 88);
    Edit13 = MakeEdit(area, "Edit13", 88);
    NameAfterCaption(Label88, Edit13);
    Edit13->setEchoMode(QLineEdit::Password);
    Label89 = MakeLabel(area, "Label89", "Source IP-address:", 120);
    ComboBox13 = Named(new QComboBox(area), "ComboBox13");
    ComboBox13->setEditable(false);
    ComboBox13->setGeometry(150, 120, 111, 21);
    NameAfterCaption(Label89, ComboBox13);
    Label93 = MakeLabel(area, "Label93", "Community:", 152);
    Edit15 = MakeEdit(area, "Edit15", 152);
    NameAfterCaption(Label93, Edit15);
    recentRouters_ = new RecentRoutersBox(Edit5, Edit12, Edit15);
    Label85 = Named(new QLabel(area), "Label85");
    Label85->setGeometry(16, 184, 237, 34);
    Label85->setWordWrap(true);
    Label85->setAlignment(Qt::AlignCenter);
    Button1 = Named(new QPushButton(QStringLiteral("Login"), area), "Button1");
    Button1->setGeometry(97, 228, 75, 25);
    Button1->setDefault(true);
    ProgressBar3 = Named(new QProgressBar(area), "ProgressBar3");
    ProgressBar3->setGeometry(16, 268, 237, 17);
    ProgressBar3->setRange(0, 100);
    ProgressBar3->setTextVisible(false);
    ProgressBar3->hide();

    QWidget::setTabOrder(Edit5, Edit12);
    QWidget::setTabOrder(Edit12, Edit13);
    QWidget::setTabOrder(Edit13, ComboBox13);
    QWidget::setTabOrder(ComboBox13, Edit15);
    QWidget::setTabOrder(Edit15, Button1);
    PressOnEnter(Button1, {Edit5, Edit12, Edit13, ComboBox13, Edit15});
}

void LoginBlock::SetLoginBlockVisible(bool visible) {
    for (QWidget* widget :
         std::initializer_list<QWidget*>{ProgressBar3, Edit5, Edit15, Edit12, Edit13, Label85,
                                         ComboBox13, Button1, Label86, Label87, Label88, Label89}) {
        widget->setVisible(visible);
    }
}

void LoginBlock::ClearLoginFields() {
    ProgressBar3->hide();
    Edit5->show();
    Edit5->clear();
    Edit15->setText(QStringLiteral("tarnel"));
    Edit15->show();
    Edit12->show();
    Edit12->clear();
    Edit13->show();
    Edit13->clear();
    Label85->show();
    Edit5->setFocus();
    for (QWidget* widget :
         std::initializer_list<QWidget*>{ComboBox13, Button1, Label86, Label87, Label88, Label89}) {
        widget->show();
    }
}

}  // namespace tessel
