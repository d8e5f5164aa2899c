#include "app/help_button.hpp"

#include "core/console/help_texts.hpp"
#include "core/router/button_names.hpp"
#include "viewkit/text_bridge.hpp"

namespace tessel {

QToolButton* MakeHelpButton(QWidget* parent, const QString& name,
                            const std::function<void(const QString&)>& show) {
    auto* button = new QToolButton(parent);
    const std::string key = name.toStdString();
    button->setObjectName(name);
    button->setText(QStringLiteral("?"));
    button->setAutoRaise(true);
    button->setFixedSize(18, 18);
    button->setToolTip(ToQString(HelpHintFor(key)));
    const QString text = ToQString(HelpTextFor(key));
    // The face is only "?": tools that read the screen need the field's name.
    button->setAccessibleName(QString::fromStdString(FieldButtonAccessibleName(key)));
    button->setAccessibleDescription(text);
    QObject::connect(button, &QToolButton::clicked, button, [show, text] { show(text); });
    return button;
}

}  // namespace tessel
