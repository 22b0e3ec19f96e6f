#include "CPluginFactory.h"

#include "../../base/IPtr.h"
#include "IHostProductInfo.h"

#include <cstring>

namespace Ostrel {

namespace {

CPluginFactory* currentFactory = nullptr;

// Widens byte by byte up to the terminator; a full 8-bit field is cut at the 16-bit size.
template <size_t N, size_t M> void widen(const char (&in)[N], char16_t (&out)[M]) {
    size_t i = 0;
    for (; i < N && i < M && in[i]; ++i)
        out[i] = static_cast<unsigned char>(in[i]);
    for (; i < M; ++i)
        out[i] = 0;
}

} // namespace

void makeUnicodeClassInfo(const ExtendedClassInfo& in, UnicodeClassInfo& out) {
    out.classId = in.classId;
    out.cardinality = in.cardinality;
    std::memcpy(out.category, in.category, sizeof out.category);
    widen(in.name, out.name);
    out.classFlags = in.classFlags;
    std::memcpy(out.subCategories, in.subCategories, sizeof out.subCategories);
    widen(in.vendor, out.vendor);
    widen(in.version, out.version);
    widen(in.sdkVersion, out.sdkVersion);
}

CPluginFactory::CPluginFactory(const FactoryInfo& info) : info_(info) {}

CPluginFactory::~CPluginFactory() {
    if (currentFactory == this)
        currentFactory = nullptr;
}

CPluginFactory* CPluginFactory::current() {
    return currentFactory;
}
void CPluginFactory::makeCurrent() {
    currentFactory = this;
}

tresult CPluginFactory::queryInterface(const FUID& iid, void** obj) {
    if (iid == FUnknown::iid || iid == IPluginFactory::iid || iid == IPluginFactory2::iid ||
        iid == IPluginFactory3::iid)
        return answerInterface(this, static_cast<IPluginFactory3*>(this), obj);
    return noInterface(obj);
}

uint32_t CPluginFactory::addRef() {
    return refs_.add();
}

uint32_t CPluginFactory::release() {
    uint32_t n = refs_.drop();
    if (n == 0)
        delete this;
    return n;
}

tresult CPluginFactory::factoryInfo(FactoryInfo* info) {
    if (info)
        *info = info_;
    return kResultOk;
}

int32_t CPluginFactory::classCount() {
    return listingState_ == kListed ? classes_.count() : 0;
}

tresult CPluginFactory::classInfo(int32_t index, ClassInfo* info) {
    if (!info || !validIndex(index))
        return kInvalidArgument;
    std::memcpy(static_cast<void*>(info), &classes_.at(index).info8, sizeof(ClassInfo));
    return kResultOk;
}

tresult CPluginFactory::extendedClassInfo(int32_t index, ExtendedClassInfo* info) {
    if (!info || !validIndex(index))
        return kInvalidArgument;
    *info = classes_.at(index).info8;
    return kResultOk;
}

tresult CPluginFactory::unicodeClassInfo(int32_t index, UnicodeClassInfo* info) {
    if (!info || !validIndex(index))
        return kInvalidArgument;
    *info = classes_.at(index).info16;
    return kResultOk;
}

tresult CPluginFactory::createClassInstance(const FUID& cid, const FUID& iid, void** obj) {
    if (!obj)
        return kInvalidArgument;
    *obj = nullptr;
    for (const ClassEntry& entry : classes_) {
        if (!(entry.info16.classId == cid))
            continue;
        // Only the first matching entry is tried.
        FUnknown* object = entry.create(entry.context);
        if (!object)
            break;
        tresult r = object->queryInterface(iid, obj);
        object->release(); // the caller keeps the query's reference, or the object goes
        if (r == kResultOk && *obj)
            return kResultOk;
        *obj = nullptr;
        break;
    }
    return kNoInterface;
}

tresult CPluginFactory::provideHostContext(FUnknown* context) {
    IPtr<IHostProductInfo> product = queryPtr<IHostProductInfo>(context);
    if (product)
        listingState_ = product->withholdExtensionClasses() == 0 ? kListed : kWithheld;
    return kResultOk;
}

bool CPluginFactory::registerClass(const ExtendedClassInfo* info, CreateFunction create,
                                   void* context) {
    if (!info || !create)
        return false;
    ClassEntry entry;
    entry.info8 = *info;
    makeUnicodeClassInfo(*info, entry.info16);
    entry.create = create;
    entry.context = context;
    return classes_.append(entry);
}

bool CPluginFactory::registerClass(const ClassInfo* info, CreateFunction create, void* context) {
    if (!info)
        return false;
    ExtendedClassInfo extended;
    std::memset(static_cast<void*>(&extended), 0, sizeof extended);
    std::memcpy(static_cast<void*>(&extended), info, sizeof(ClassInfo));
    return registerClass(&extended, create, context);
}

} // namespace Ostrel
