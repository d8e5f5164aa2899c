// Assembling the pages: which page goes on which tab, in which order, how the
// window wires the facts they share, and handing them to the controller.

#include "app/form1.hpp"

#include "utilities/load_meter_page.hpp"
#include "utilities/rma_test_page.hpp"
#include "views/bs/bs_page.hpp"
#include "views/cpe/cpe_page.hpp"
#include "views/interfaces/interfaces_page.hpp"
#include "views/interfaces/radio_group.hpp"
#include "views/qos/qos_page.hpp"
#include "views/routing/routing_page.hpp"
#include "views/system/system_page.hpp"

#include <QTabWidget>

namespace tessel {

void MainWindow::BuildPages() {
    Session& session = controller_->CurrentSession();
    PageHost& host = *controller_;
    auto* systemPage = new SystemPage(session, host);
    pageTabs_->addTab(systemPage, QStringLiteral("System settings"));
    connect(systemPage, &SystemPage::RouterNameRead, &controller_->Console(),
            &ConsoleChannel::SetRouterName);
    auto* interfaces = new InterfacesPage(session, host);
    pageTabs_->addTab(interfaces, QStringLiteral("Interfaces"));
    RadioGroup* radio = interfaces->RadioSettings();
    connect(radio, &RadioGroup::RadioNamesChanged, systemPage, &SystemPage::SetRadioNames);

    auto* bsPage = new BsPage(session, host);
    pageTabs_->addTab(bsPage, QStringLiteral("BS"));
    connect(radio, &RadioGroup::RadioNamesChanged, bsPage, &BsPage::SetRadioNames);
    connect(bsPage, &BsPage::PwrctlAllowedChanged, radio, &RadioGroup::SetPwrctlEnabled);
    auto* cpePage = new CpePage(session, host);
    pageTabs_->addTab(cpePage, QStringLiteral("CPE"));
    connect(radio, &RadioGroup::RadioNamesChanged, cpePage, &CpePage::SetRadioNames);
    connect(radio, &RadioGroup::SelectedRadioChanged, cpePage, &CpePage::SetRadioPageSelection);
    // The router changes the radio's values with the registration.
    connect(cpePage, &CpePage::RegistrationChanged, controller_,
            [this] { controller_->ReadNow(ReadStep::RadioParameters); });
    auto* utilities = new QTabWidget();
    utilities->setObjectName(QStringLiteral("Utilities"));
    auto* loadMeter = new LoadMeterPage(session, host);
    utilities->addTab(loadMeter, QStringLiteral("Load Meter"));
    auto* rmaTest = new RmaTestPage(session, host);
    utilities->addTab(rmaTest, QStringLiteral("RMA Test"));
    connect(interfaces, &InterfacesPage::InterfaceNamesChanged, loadMeter,
            &LoadMeterPage::SetInterfaceNames);
    connect(radio, &RadioGroup::RadioNamesChanged, rmaTest, &RmaTestPage::SetRadioNames);
    // A run the router has ended is not shown running.
    ConsoleChannel* console = &controller_->Console();
    connect(console, &ConsoleChannel::ReportEnded, loadMeter, &LoadMeterPage::ReportEnded);
    connect(console, &ConsoleChannel::ReportEnded, rmaTest, &RmaTestPage::ReportEnded);
    for (StreamReportPage* page :
         {static_cast<StreamReportPage*>(loadMeter), static_cast<StreamReportPage*>(rmaTest)}) {
        connect(console, &ConsoleChannel::Disconnected, page, &StreamReportPage::ConsoleClosed);
    }
    pageTabs_->addTab(utilities, QStringLiteral("Utilities"));
    auto* qos = new QosPage(session, host);
    pageTabs_->addTab(qos, QStringLiteral("QoS"));
    // The ARP group adds its "Refresh table" to the console buttons, last.
    auto* routing = new RoutingPage(session, host);
    pageTabs_->addTab(routing, QStringLiteral("Routing/ARP tables"));
    for (Page* page : std::initializer_list<Page*>{systemPage, interfaces, bsPage, cpePage,
                                                   loadMeter, rmaTest, qos, routing}) {
        controller_->AddPage(*page);
    }
    connect(pageTabs_, &QTabWidget::currentChanged, this, &MainWindow::PageShown);
}

}  // namespace tessel
