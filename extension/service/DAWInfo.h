#pragma once
// What the host says about itself: product name, edition, version and build.

#include "../module/IHostProductInfo.h"

#include <cstdint>
#include <string>

namespace Ostrel {

class DAWInfo {
public:
    // Fills the fields from the host's answers; fields without an answer keep their values.
    void read(IHostProductInfo* info);
    // Setters for the three answers as 8-bit text (null: no answer).
    void readName(const char* name);
    void readVersion(const char* version);
    void readBuild(const char* build);

    bool isValid() const;
    // 1 when the host's version is higher than a.b.c, 0 when equal, -1 when lower; a negative
    // component is not compared.
    int compare(int32_t a, int32_t b, int32_t c) const;

    const std::string& productName() const { return productName_; }
    const std::string& versionText() const { return versionText_; }
    int32_t edition() const { return edition_; }
    int32_t major() const { return major_; }
    int32_t minor() const { return minor_; }
    int32_t patch() const { return patch_; }
    int32_t build() const { return build_; }

private:
    std::string productName_;
    std::string versionText_;
    int32_t edition_ = 0;
    int32_t major_ = -1, minor_ = -1, patch_ = -1;
    int32_t build_ = -1;
};

} // namespace Ostrel
