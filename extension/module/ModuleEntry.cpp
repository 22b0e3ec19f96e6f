// The module's exported entry points and the records of its factory.

#include "../../base/platform/Export.h"
#include "../remote/VOK_Detect.h"
#include "../remote/VOK_HWRemote.h"
#include "../service/VOK_HLK.h"
#include "CPluginFactory.h"
#include "ClassIds.h"

#include <cstring>
#include <new>

namespace Ostrel {

namespace {

// Filled once on first use and kept while the module is loaded.
struct Records {
    bool filled = false;
    FactoryInfo factory;
    ExtendedClassInfo service;
    ClassInfo remote;
    ClassInfo detect;
} records;

template <size_t N> void setText(char (&field)[N], const char* text) {
    std::strncpy(field, text, N); // zero-fills the rest; a full field has no terminator
}

void fillRecords() {
    if (records.filled)
        return;
    records = Records{};

    setText(records.factory.vendor, "Velmar Corporation");
    records.factory.flags = FactoryInfo::kUnicodeFlag;

    records.service.classId = kServiceClassId;
    records.service.cardinality = 1;
    setText(records.service.category, "Service");
    setText(records.service.name, "Velmar VOK6/VOK8 Extension");
    setText(records.service.version, "1.1.6");

    records.remote.classId = kRemoteClassId;
    records.remote.cardinality = ClassInfo::kManyInstances;
    setText(records.remote.category, "Remote Devices");
    setText(records.remote.name, "Velmar VOK6/VOK8");

    records.detect.classId = kDetectClassId;
    records.detect.cardinality = 1;
    setText(records.detect.category, "Device Detection");

    records.filled = true;
}

} // namespace

} // namespace Ostrel

using namespace Ostrel;

OSTREL_EXPORT bool InitDll() {
    return true;
}

OSTREL_EXPORT bool ExitDll() {
    return true;
}

OSTREL_EXPORT IPluginFactory* GetPluginFactory() {
    if (CPluginFactory* f = CPluginFactory::current()) {
        f->addRef();
        return f;
    }
    fillRecords();
    auto* factory = new (std::nothrow) CPluginFactory(records.factory);
    if (!factory)
        return nullptr;
    factory->makeCurrent();
    factory->registerClass(&records.service, &VOK_HLK::create, nullptr);
    factory->registerClass(&records.remote, &VOK_HWRemote::create, nullptr);
    factory->registerClass(&records.detect, &VOK_Detect::create, nullptr);
    return factory;
}
