#include "String.h"

#include "platform/CodePage.h"

#include <cstring>
#include <string>

namespace Ostrel {

namespace {

int32_t measure(const char* t, int32_t n) {
    if (!t)
        return 0;
    size_t len = n >= 0 ? static_cast<size_t>(n) : std::strlen(t);
    return static_cast<int32_t>(len > ConstString::kMaxLength ? ConstString::kMaxLength : len);
}

int32_t measure(const char16_t* t, int32_t n) {
    if (!t)
        return 0;
    size_t len = 0;
    if (n >= 0)
        len = static_cast<size_t>(n);
    else
        while (t[len])
            ++len;
    return static_cast<int32_t>(len > ConstString::kMaxLength ? ConstString::kMaxLength : len);
}

char16_t fold(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c;
}

template <class C> C* copyText(const C* text, int32_t n) {
    C* b = new C[static_cast<size_t>(n) + 1];
    if (n)
        std::memcpy(b, text, sizeof(C) * static_cast<size_t>(n));
    b[n] = 0;
    return b;
}

} // namespace

ConstString::ConstString(const char* text, int32_t length) {
    buffer8_ = text ? text : "";
    length_ = static_cast<uint32_t>(measure(text, length));
    wide_ = 0;
}

ConstString::ConstString(const char16_t* text, int32_t length) {
    buffer16_ = text ? text : u"";
    length_ = static_cast<uint32_t>(measure(text, length));
    wide_ = 1;
}

const char* ConstString::text8() const {
    return wide_ ? nullptr : buffer8_;
}
const char16_t* ConstString::text16() const {
    return wide_ ? buffer16_ : nullptr;
}

char ConstString::charAt8(int32_t index) const {
    if (index < 0 || index >= length())
        return 0;
    return wide_ ? static_cast<char>(buffer16_[index]) : buffer8_[index];
}

char16_t ConstString::charAt16(int32_t index) const {
    return unitAt(index);
}

char16_t ConstString::unitAt(int32_t index) const {
    if (index < 0 || index >= length())
        return 0;
    return wide_ ? buffer16_[index] : static_cast<unsigned char>(buffer8_[index]);
}

int32_t ConstString::compare(const ConstString& other, bool ignoreCase) const {
    int32_t n = length() < other.length() ? length() : other.length();
    for (int32_t i = 0; i < n; ++i) {
        char16_t a = unitAt(i), b = other.unitAt(i);
        if (ignoreCase) {
            a = fold(a);
            b = fold(b);
        }
        if (a != b)
            return a < b ? -1 : 1;
    }
    return length() == other.length() ? 0 : length() < other.length() ? -1 : 1;
}

int32_t ConstString::findFirst(const ConstString& other, int32_t start, bool ignoreCase) const {
    int32_t n = length(), m = other.length();
    for (int32_t i = start < 0 ? 0 : start; i + m <= n; ++i) {
        int32_t k = 0;
        for (; k < m; ++k) {
            char16_t a = unitAt(i + k), b = other.unitAt(k);
            if (ignoreCase ? fold(a) != fold(b) : a != b)
                break;
        }
        if (k == m)
            return i;
    }
    return -1;
}

bool ConstString::isAsciiOnly() const {
    for (int32_t i = 0; i < length(); ++i)
        if (unitAt(i) >= 128)
            return false;
    return true;
}

String::String() : ConstString() {
    buffer8_ = copyText("", 0);
}

String::String(const char* text, int32_t length) : ConstString() {
    assign(text, length);
}
String::String(const char16_t* text, int32_t length) : ConstString() {
    assign(text, length);
}

String::String(const String& other) : ConstString() {
    if (other.isWide())
        assign(other.buffer16_, other.length());
    else
        assign(other.buffer8_, other.length());
}

String& String::operator=(const String& other) {
    if (this != &other) {
        String copy(other);
        std::swap(buffer8_, copy.buffer8_);
        uint32_t l = length_, w = wide_;
        length_ = copy.length_;
        wide_ = copy.wide_;
        copy.length_ = l;
        copy.wide_ = w;
    }
    return *this;
}

String::~String() {
    free();
}

void String::free() {
    if (wide_)
        delete[] buffer16_;
    else
        delete[] buffer8_;
    buffer8_ = nullptr;
}

void String::assign(const char* text, int32_t length) {
    int32_t n = measure(text, length);
    const char* b = copyText(text ? text : "", n);
    free();
    buffer8_ = b;
    length_ = static_cast<uint32_t>(n);
    wide_ = 0;
}

void String::assign(const char16_t* text, int32_t length) {
    int32_t n = measure(text, length);
    const char16_t* b = copyText(text ? text : u"", n);
    free();
    buffer16_ = b;
    length_ = static_cast<uint32_t>(n);
    wide_ = 1;
}

bool String::toWide(bool utf8) const {
    if (wide_)
        return true;
    std::u16string out;
    if (!Platform::multiByteToWide(buffer8_, length(), utf8, out))
        return false;
    int32_t n = measure(out.data(), static_cast<int32_t>(out.size()));
    const char16_t* b = copyText(out.data(), n);
    delete[] buffer8_;
    buffer16_ = b;
    length_ = static_cast<uint32_t>(n);
    wide_ = 1;
    return true;
}

bool String::toMultiByte(bool utf8) const {
    if (!wide_)
        return true;
    std::string out;
    if (!Platform::wideToMultiByte(buffer16_, length(), utf8, out))
        return false;
    int32_t n = measure(out.data(), static_cast<int32_t>(out.size()));
    const char* b = copyText(out.data(), n);
    delete[] buffer16_;
    buffer8_ = b;
    length_ = static_cast<uint32_t>(n);
    wide_ = 0;
    return true;
}

const char* String::text8() const {
    return toMultiByte() ? buffer8_ : nullptr;
}
const char16_t* String::text16() const {
    return toWide() ? buffer16_ : nullptr;
}

} // namespace Ostrel
