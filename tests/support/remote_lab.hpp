#pragma once

// A lab made by scripts/remote-lab for one test: a network namespace behind
// a veth pair, and a decoy interface listed before the link, removed again by
// the destructor (also when the test fails). Where the machine cannot make
// one (not root, no iproute2, not permitted) Available() is false and
// Reason() says why; the test then skips.
//
//   tessel::test::RemoteLab lab;
//   if (!lab.Available()) GTEST_SKIP() << lab.Reason();
//   tessel::test::RouterSim sim({"--bind", lab.RouterAddress(), ...}, 15s, lab.Launcher());

#include <string>
#include <vector>

namespace tessel::test {

// Whether the router can answer this host's addresses beyond the link.
enum class LabRoutes {
    LinkOnly,   // as a router on a directly connected management link
    BackRoute,  // a default route back over the link: it answers them all
};

class RemoteLab {
  public:
    explicit RemoteLab(LabRoutes routes = LabRoutes::LinkOnly);
    ~RemoteLab();
    RemoteLab(const RemoteLab&) = delete;
    RemoteLab& operator=(const RemoteLab&) = delete;

    bool Available() const { return !id_.empty(); }
    const std::string& Reason() const { return reason_; }
    const std::string& Namespace() const { return namespace_; }
    // This host's end of the link and the far end, where the router listens.
    const std::string& ManagerAddress() const { return manager_; }
    const std::string& RouterAddress() const { return router_; }
    // The address of the interface made before the link, off the link.
    const std::string& DecoyAddress() const { return decoy_; }
    // The command that runs a program inside the lab ("ip netns exec NS").
    std::vector<std::string> Launcher() const;

  private:
    std::string id_;
    std::string reason_;
    std::string namespace_;
    std::string manager_;
    std::string router_;
    std::string decoy_;
};

}  // namespace tessel::test
