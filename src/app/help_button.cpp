#include "app/help_button.hpp"

#include "core/console/help_texts.hpp"
#include "core/router/button_names.hpp"

namespace tessel {

namespace {

QString FromView(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QToolButton* MakeHelpButton(QWidget* parent, const QString& name,
                            const std::function<void(const QString&)>& show) {
    auto* button = new QToolButton(parent);
    const std::string key = name.toStdString();
    button->setObjectName(name);
    button->setText(QStringLiteral("?"));
    button->setAutoRaise(true);
    button->setFixedSize(18, 18);
    button->setToolTip(FromView(HelpHintFor(key)));
    const QString text = FromView(HelpTextFor(key));
    // The face is only "?": tools that read the screen need the field's name.
    button->setAccessibleName(QString::fromStdString(FieldButtonAccessibleName(key)));
    button->setAccessibleDescription(text);
    QObject::connect(button, &QToolButton::clicked, button, [show, text] { show(text); });
    return button;
}

}  // namespace tessel
