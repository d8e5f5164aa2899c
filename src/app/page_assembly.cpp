// Assembling the pages: which page goes on which tab, in which order, and
// how the window wires the facts they share.

#include "app/form1.hpp"

#include "app/message_service.hpp"
#include "utilities/arp_group.hpp"
#include "utilities/load_meter_page.hpp"
#include "utilities/rma_test_page.hpp"
#include "viewkit/text_bridge.hpp"
#include "views/bs_page.hpp"
#include "views/cpe_page.hpp"
#include "views/interfaces_page.hpp"
#include "views/qos_page.hpp"
#include "views/radio_group.hpp"
#include "views/routing_page.hpp"
#include "views/system_page.hpp"
#include "views/view_services.hpp"

#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>

namespace tessel {

void TForm1::BuildPages() {
    ViewServices services;
    services.runCommand = [this](const ConsoleCommand& command) { return RunCommand(command); };
    services.sendCommand = [this](const ConsoleCommand& command) { return SendCommand(command); };
    services.makeHelpButton = [this](QWidget* parent, const QString& name) {
        return MakeHelpButton(parent, name);
    };
    services.inform = [this](const QString& text, const QString& caption) {
        Messages().Inform(this, text, caption);
    };
    services.setCaption = [this](const QString& caption) { SetTitle(caption); };

    auto* systemPage = new TSystemPage(session_, services);
    main->addTab(systemPage, QStringLiteral("System settings"));
    auto* interfaces = new TInterfacesPage(session_, services);
    main->addTab(interfaces, QStringLiteral("Interfaces"));
    TRadioGroup* radio = interfaces->RadioGroup();
    SpeedButton1 = radio->SpeedButton1;
    SpeedButton2 = radio->SpeedButton2;
    radio->AddRadioSelector(systemPage->RadioSelector());
    for (QAbstractButton* button : systemPage->ConsoleButtons()) {
        AddConsoleButton(button);
    }
    for (QAbstractButton* button : interfaces->ConsoleButtons()) {
        AddConsoleButton(button);
    }

    auto* bsPage = new TBsPage(*this, Timer(2));
    main->addTab(bsPage, QStringLiteral("BS"));
    for (QComboBox* selector : bsPage->RadioSelectors()) {
        radio->AddRadioSelector(selector);
    }
    bsPage->SetPwrctlEnabler([radio](bool enabled) { radio->SetPwrctlEnabled(enabled); });
    auto* cpePage = new TCpePage(*this, Timer(3));
    main->addTab(cpePage, QStringLiteral("CPE"));
    for (QComboBox* selector : cpePage->RadioSelectors()) {
        radio->AddRadioSelector(selector);
    }
    cpePage->SetRadioPageSelection(
        [radio] { return ToBytes(radio->RadioSelector()->currentText()); });
    // The router changes the radio's values with the registration.
    connect(cpePage, &TCpePage::RegistrationChanged, this,
            [this] { ReadAll(ReadStep::RadioParameters); });
    auto* utilities = new QTabWidget();
    utilities->setObjectName(QStringLiteral("Utilities"));
    const UtilityConsole console{
        [this](const std::string& line) { return SendLine(line); },
        [this](const ConsoleCommand& command) { return SendCommand(command); },
        [this] { ReportStopped(); },
        [this] { DisableConsoleButtons(); },
        [this] { EnableConsoleButtons(); },
        [this](const QString& text, const QString& caption) {
            Messages().Inform(this, text, caption);
        }};
    auto* loadMeter = new TLoadMeterPage(session_, console);
    utilities->addTab(loadMeter, QStringLiteral("Load Meter"));
    auto* rmaTest = new TRmaTestPage(session_, console);
    utilities->addTab(rmaTest, QStringLiteral("RMA Test"));
    interfaces->SetLoadMeterSelector(loadMeter->InterfaceSelector());
    radio->AddRadioSelector(rmaTest->RadioSelector());
    main->addTab(utilities, QStringLiteral("Utilities"));
    auto* qos = new TQosPage(session_, Timer(12));
    main->addTab(qos, QStringLiteral("QoS"));
    auto* routing = new TRoutingPage(session_, console);
    main->addTab(routing, QStringLiteral("Routing/ARP tables"));
    AddConsoleButton(routing->ArpGroup()->Button38);
    pages_ = {systemPage, interfaces, bsPage, cpePage, loadMeter, rmaTest, qos, routing};
    connect(main, &QTabWidget::currentChanged, this, &TForm1::PageShown);
}

}  // namespace tessel
