#pragma once
// The host's mapping of one device's controls: pages in the order they were added, and on
// each page what a control is bound to (a command, a host value or a host function). The
// page "Default" is the base layer: its bindings apply whatever page is current, unless the
// current page binds the same control. Host-owned; the device does not reference-count it.

#include "RemoteFunction.h"
#include "SimObject.h"
#include "extension/module/IHWRemoteMapping.h"

#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace HostSim {

struct RemoteBinding {
    enum class Kind { Command, Value, Function };
    Kind kind = Kind::Command;
    std::string control;
    int32_t flags = 0;
    std::string category, action;                        // Command
    std::string hostDevice, valueName;                   // Value
    int32_t channel = 0;                                 // Value
    std::string functionType, functionName, subFunction; // Function
};

class RemoteMapping : public SimObject<IHWRemoteMapping> {
public:
    static constexpr const char* kBasePage = "Default";
    // Receives the text of every call the device makes on the mapping and its functions.
    using Recorder = std::function<void(std::string)>;

    explicit RemoteMapping(Recorder record) : record_(std::move(record)) {}
    ~RemoteMapping() override;
    RemoteMapping(const RemoteMapping&) = delete;
    RemoteMapping& operator=(const RemoteMapping&) = delete;

    tresult reserved0() override;
    tresult reserved1() override;
    tresult addPage(const char* page) override;
    tresult bindValue(const char* page, const char* control, const char* hostDevice,
                      int32_t channel, const char* valueName, int32_t flags) override;
    tresult bindCommand(const char* page, const char* control, const char* category,
                        const char* action, int32_t flags) override;
    IHWRemoteFunction* addFunction(const char* type, const char* name, int32_t a, int32_t b,
                                   void* data) override;

    // The function's own bindFunction.
    tresult bindFunction(const RemoteFunction& function, const char* page, const char* control,
                         const char* subFunction);
    void record(std::string call) { record_(std::move(call)); }
    // "text" in double quotes, or null.
    static std::string quoted(const char* text);

    std::vector<std::string> pages() const;
    // Empty while no page is current.
    std::string currentPage() const;
    // Makes an added page current; false (nothing changes) for an unknown page or the page
    // that is current already.
    bool select(const std::string& page);
    // What a change of the control performs: the current page's binding, else the base page's.
    bool lookup(const std::string& control, RemoteBinding& binding) const;
    // Every control bound to this host value on any page, each once, in order of binding.
    std::vector<std::string> controlsBoundTo(const std::string& hostDevice, int32_t channel,
                                             const std::string& valueName) const;
    // The functions added so far, in order.
    std::vector<const RemoteFunction*> functions() const;

private:
    struct Page {
        std::string name;
        std::vector<RemoteBinding> bindings;
    };
    // Binds on an added page; a second binding of the same control replaces the first.
    tresult bind(const char* page, const char* control, RemoteBinding binding);
    const Page* findPage(const std::string& name) const;

    Recorder record_;
    mutable std::mutex mutex_;
    std::vector<Page> pages_;
    std::string current_;
    std::vector<RemoteFunction*> functions_; // one reference each
};

} // namespace HostSim
