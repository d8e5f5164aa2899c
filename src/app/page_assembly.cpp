// Assembling the pages: which page goes on which tab, in which order, how the
// window wires the facts they share, and handing them to the controller.

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
    Session& session = controller_->CurrentSession();
    PageHost& host = *controller_;
    auto* systemPage = new TSystemPage(session, host);
    main->addTab(systemPage, QStringLiteral("System settings"));
    connect(systemPage, &TSystemPage::RouterNameRead, &controller_->Console(),
            &ConsoleChannel::SetRouterName);
    auto* interfaces = new TInterfacesPage(session, host);
    main->addTab(interfaces, QStringLiteral("Interfaces"));
    TRadioGroup* radio = interfaces->RadioGroup();
    connect(radio, &TRadioGroup::RadioNamesChanged, systemPage, &TSystemPage::SetRadioNames);

    auto* bsPage = new TBsPage(session, host);
    main->addTab(bsPage, QStringLiteral("BS"));
    connect(radio, &TRadioGroup::RadioNamesChanged, bsPage, &TBsPage::SetRadioNames);
    connect(bsPage, &TBsPage::PwrctlAllowedChanged, radio, &TRadioGroup::SetPwrctlEnabled);
    auto* cpePage = new TCpePage(session, host);
    main->addTab(cpePage, QStringLiteral("CPE"));
    connect(radio, &TRadioGroup::RadioNamesChanged, cpePage, &TCpePage::SetRadioNames);
    connect(radio, &TRadioGroup::SelectedRadioChanged, cpePage, &TCpePage::SetRadioPageSelection);
    // The router changes the radio's values with the registration.
    connect(cpePage, &TCpePage::RegistrationChanged, controller_,
            [this] { controller_->ReadNow(ReadStep::RadioParameters); });
    auto* utilities = new QTabWidget();
    utilities->setObjectName(QStringLiteral("Utilities"));
    auto* loadMeter = new TLoadMeterPage(session, host);
    utilities->addTab(loadMeter, QStringLiteral("Load Meter"));
    auto* rmaTest = new TRmaTestPage(session, host);
    utilities->addTab(rmaTest, QStringLiteral("RMA Test"));
    connect(interfaces, &TInterfacesPage::InterfaceNamesChanged, loadMeter,
            &TLoadMeterPage::SetInterfaceNames);
    connect(radio, &TRadioGroup::RadioNamesChanged, rmaTest, &TRmaTestPage::SetRadioNames);
    // A run the router has ended is not shown running.
    ConsoleChannel* console = &controller_->Console();
    connect(console, &ConsoleChannel::ReportEnded, loadMeter, &TLoadMeterPage::ReportEnded);
    connect(console, &ConsoleChannel::ReportEnded, rmaTest, &TRmaTestPage::ReportEnded);
    for (StreamReportPage* page :
         {static_cast<StreamReportPage*>(loadMeter), static_cast<StreamReportPage*>(rmaTest)}) {
        connect(console, &ConsoleChannel::Disconnected, page, &StreamReportPage::ConsoleClosed);
    }
    main->addTab(utilities, QStringLiteral("Utilities"));
    auto* qos = new TQosPage(session, host);
    main->addTab(qos, QStringLiteral("QoS"));
    // The ARP group adds its "Refresh table" to the console buttons, last.
    auto* routing = new TRoutingPage(session, host);
    main->addTab(routing, QStringLiteral("Routing/ARP tables"));
    for (Page* page : std::initializer_list<Page*>{systemPage, interfaces, bsPage, cpePage,
                                                   loadMeter, rmaTest, qos, routing}) {
        controller_->AddPage(*page);
    }
    connect(main, &QTabWidget::currentChanged, this, &TForm1::PageShown);
}

}  // namespace tessel
