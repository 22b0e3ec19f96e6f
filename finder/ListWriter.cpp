#include "ListWriter.h"

#include "../base/platform/FilePath.h"

#include <cstdio>
#include <string>

namespace Ostrel {

namespace {

// CR LF on every target: the file is opened in binary mode and the line end written out, so
// the bytes do not depend on the platform's text mode.
class ListFile {
public:
    explicit ListFile(FILE* file) : file_(file) { std::setvbuf(file_, nullptr, _IOFBF, 1 << 16); }
    ~ListFile() { std::fclose(file_); }
    ListFile(const ListFile&) = delete;
    ListFile& operator=(const ListFile&) = delete;

    void number(int32_t value) {
        char line[32];
        int n = std::snprintf(line, sizeof(line), "%d\r\n", static_cast<int>(value));
        std::fwrite(line, 1, static_cast<size_t>(n), file_);
    }
    void text(std::string& value) {
        cleanListText(value);
        buffer_.assign(value);
        buffer_ += "\r\n";
        std::fwrite(buffer_.data(), 1, buffer_.size(), file_);
    }

private:
    FILE* file_;
    std::string buffer_;
};

} // namespace

void cleanListText(std::string& text) {
    if (text.size() > kMaxLineText)
        text.resize(kMaxLineText);
    for (char& c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F)
            c = ' ';
    }
}

void writeParameterList(FinderDriver& driver) {
    if (driver.instruments.empty() || driver.listPath.empty())
        return;
    FILE* file = Platform::openFile(driver.listPath.c_str(), "wb");
    if (!file)
        return;
    ListFile out(file);
    out.number(static_cast<int32_t>(driver.instruments.size()));
    for (InstrumentEntry& instrument : driver.instruments) {
        out.text(instrument.name);
        out.number(static_cast<int32_t>(instrument.parameters.size()));
        for (ParameterEntry& parameter : instrument.parameters) {
            out.number(parameter.id);
            out.text(parameter.name);
            out.number(static_cast<int32_t>(parameter.groups.size()));
            for (std::string& group : parameter.groups)
                out.text(group);
        }
    }
}

} // namespace Ostrel
