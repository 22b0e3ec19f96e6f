#include "FinderDriver.h"

#include "CPLX3ParamFinder.h"
#include "ListWriter.h"
#include "ModulePath.h"
#include "PLX2ParamFinder.h"

#include <algorithm>
#include <iterator>

namespace Ostrel {

namespace {

// Effect modules and plug-in sets that come with the host.
const char* const kSkipList[] = {
    "Grainmill",
    "Gatecut",
    "Ditherelhr",
    "Ditherel",
    "spacepanner",
    "Taviro Plug-in Set",
    "Taviro QV Plug-in Set",
    "Taviro Studio Plug-in Set",
    "Ferrune Plug-in Set",
    "Taviro Essential Plug-in Set",
    "Taviro LE QV Elements Plug-in Set",
};

// Instruments the editor knows with their bypass alone.
const char* const kOneParameterInstruments[] = {"Swathen", "Unisolo"};

// The host's own instruments; the editor has their lists already.
const char* const kHostInstruments[] = {
    "VeylaOne",       "Tonesmith", "Tonesmith Studio", "Tonesmith LE QV Elements",
    "Beatwright ONE", "Tessellor", "Tessellor_x64",    "Veyla Sonic SE",
    "Beatwright SE",
};

template <size_t N> bool onList(const char* const (&list)[N], const std::string& name) {
    return std::any_of(std::begin(list), std::end(list),
                       [&](const char* entry) { return name == entry; });
}

} // namespace

int runInstFinder(int argc, const char* const* argv) {
    if (argc < 3)
        return kExitListed;

    FinderDriver driver;
    std::string modulePath = argv[1];
    driver.listPath = argv[2];
    if (argc >= 4 && argv[3][0] != '\0')
        driver.resourcePath = argv[3];

    if (driver.listPath.empty() || modulePath.empty())
        return kExitEmptyPath;

    ModulePath parts;
    if (!splitModulePath(modulePath, parts) || parts.fileName.empty())
        return kExitSkipped;
    if (onList(kSkipList, parts.fileName))
        return kExitSkipped;

    if (onList(kOneParameterInstruments, parts.fileName)) {
        driver.instruments.push_back(
            {parts.fileName, {{kBypassParameterId, kBypassParameterName, {}}}});
        writeParameterList(driver);
        return kExitOneParameter;
    }
    if (onList(kHostInstruments, parts.fileName))
        return kExitHostInstrument;

    std::string extension = lowerCaseExtension(parts.extension);
    if (extension.empty())
        return kExitNotUsable;

    int result = extension == ".plx3" ? findPLX3Parameters(driver, modulePath.c_str())
                                      : findPLX2Parameters(driver, modulePath.c_str());
    if (result != kExitListed)
        return result;
    writeParameterList(driver);
    return kExitListed;
}

} // namespace Ostrel
