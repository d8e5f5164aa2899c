// Assembling the pages: which page goes on which tab, in which order, and
// how the window wires the facts they share.

#include "app/form1.hpp"

#include "utilities/load_meter_page.hpp"
#include "utilities/rma_test_page.hpp"
#include "views/bs/cpe_table_page.hpp"
#include "views/cpe/bs_list_page.hpp"
#include "views/interfaces/interfaces_page.hpp"
#include "views/interfaces/radio_group.hpp"
#include "views/qos/qos_table_page.hpp"
#include "views/routing/routing_page.hpp"
#include "views/system/system_page.hpp"

#include <QTabWidget>

namespace tessel {

void TForm1::BuildPages() {
    auto* systemPage = new TSystemPage(session_, *this);
    main->addTab(systemPage, QStringLiteral("System settings"));
    auto* interfaces = new TInterfacesPage(session_, *this);
    main->addTab(interfaces, QStringLiteral("Interfaces"));
    TRadioGroup* radio = interfaces->RadioGroup();
    SpeedButton1 = radio->SpeedButton1;
    SpeedButton2 = radio->SpeedButton2;
    connect(radio, &TRadioGroup::RadioNamesChanged, systemPage, &TSystemPage::SetRadioNames);

    auto* bsPage = new TBsPage(session_, *this);
    main->addTab(bsPage, QStringLiteral("BS"));
    connect(radio, &TRadioGroup::RadioNamesChanged, bsPage, &TBsPage::SetRadioNames);
    connect(bsPage, &TBsPage::PwrctlAllowedChanged, radio, &TRadioGroup::SetPwrctlEnabled);
    auto* cpePage = new TCpePage(session_, *this);
    main->addTab(cpePage, QStringLiteral("CPE"));
    connect(radio, &TRadioGroup::RadioNamesChanged, cpePage, &TCpePage::SetRadioNames);
    connect(radio, &TRadioGroup::SelectedRadioChanged, cpePage, &TCpePage::SetRadioPageSelection);
    // The router changes the radio's values with the registration.
    connect(cpePage, &TCpePage::RegistrationChanged, this,
            [this] { ReadAll(ReadStep::RadioParameters); });
    auto* utilities = new QTabWidget();
    utilities->setObjectName(QStringLiteral("Utilities"));
    auto* loadMeter = new TLoadMeterPage(session_, *this);
    utilities->addTab(loadMeter, QStringLiteral("Load Meter"));
    auto* rmaTest = new TRmaTestPage(session_, *this);
    utilities->addTab(rmaTest, QStringLiteral("RMA Test"));
    connect(interfaces, &TInterfacesPage::InterfaceNamesChanged, loadMeter,
            &TLoadMeterPage::SetInterfaceNames);
    connect(radio, &TRadioGroup::RadioNamesChanged, rmaTest, &TRmaTestPage::SetRadioNames);
    // A run the router has ended is not shown running.
    connect(console_, &ConsoleChannel::ReportEnded, loadMeter, &TLoadMeterPage::ReportEnded);
    connect(console_, &ConsoleChannel::ReportEnded, rmaTest, &TRmaTestPage::ReportEnded);
    main->addTab(utilities, QStringLiteral("Utilities"));
    auto* qos = new TQosPage(session_, *this);
    main->addTab(qos, QStringLiteral("QoS"));
    // The ARP group adds its "Refresh table" to the console buttons, last.
    auto* routing = new TRoutingPage(session_, *this);
    main->addTab(routing, QStringLiteral("Routing/ARP tables"));
    pages_ = {systemPage, interfaces, bsPage, cpePage, loadMeter, rmaTest, qos, routing};
    connect(main, &QTabWidget::currentChanged, this, &TForm1::PageShown);
}

}  // namespace tessel
