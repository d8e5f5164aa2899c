#include "widgets/application_title.hpp"

#include <QCoreApplication>
#include <QVariant>

namespace tessel {

namespace {

// A property of the application object, so that it lives and ends with it.
constexpr const char* TitleProperty = "tesselApplicationTitle";

}  // namespace

QString ApplicationTitle() {
    const QCoreApplication* application = QCoreApplication::instance();
    return application != nullptr ? application->property(TitleProperty).toString() : QString();
}

void SetApplicationTitle(const QString& title) {
    if (QCoreApplication* application = QCoreApplication::instance()) {
        application->setProperty(TitleProperty, title);
    }
}

}  // namespace tessel
