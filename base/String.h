#pragma once
// Text of 8-bit or 16-bit characters; String converts its own buffer in place on demand.

#include <cstdint>

namespace Ostrel {

class ConstString {
public:
    ConstString(const char* text, int32_t length = -1);
    ConstString(const char16_t* text, int32_t length = -1);
    virtual ~ConstString() = default;

    virtual int32_t length() const { return static_cast<int32_t>(length_); }
    // The text in the asked width; null when the text is of the other width and cannot
    // be (or, for a ConstString, is not) converted.
    virtual const char* text8() const;
    virtual const char16_t* text16() const;
    // The platform's native form is 16-bit.
    virtual const char16_t* textNative() const { return text16(); }
    virtual const void* rawBuffer() const { return buffer8_; }
    // 0 outside the text.
    virtual char charAt8(int32_t index) const;
    virtual char16_t charAt16(int32_t index) const;

    bool isWide() const { return wide_; }
    bool isEmpty() const { return length_ == 0; }
    // <0, 0 or >0; ignoring case folds A-Z only.
    int32_t compare(const ConstString& other, bool ignoreCase = false) const;
    // Index of the first occurrence of `other` at or after `start`, or -1.
    int32_t findFirst(const ConstString& other, int32_t start = 0, bool ignoreCase = false) const;
    // Every character is below 128.
    bool isAsciiOnly() const;

    static constexpr uint32_t kMaxLength = (1u << 30) - 1;

protected:
    ConstString() = default;
    char16_t unitAt(int32_t index) const; // either width, as an unsigned unit

    // Either an 8-bit or a 16-bit buffer, as `wide_` says; zero-terminated.
    // String converts in place from const accessors, hence mutable.
    union {
        mutable const char* buffer8_ = nullptr;
        mutable const char16_t* buffer16_;
    };
    mutable uint32_t length_ : 30 = 0;
    mutable uint32_t wide_ : 1 = 0;
};

class String : public ConstString {
public:
    String();
    String(const char* text, int32_t length = -1);
    String(const char16_t* text, int32_t length = -1);
    String(const String& other);
    String& operator=(const String& other);
    ~String() override;

    // Converts the buffer to the asked width the first time it is asked for (system code page).
    const char* text8() const override;
    const char16_t* text16() const override;

    // In-place conversions; false (text unchanged) when a character cannot be converted.
    bool toWide(bool utf8 = false) const;
    bool toMultiByte(bool utf8 = false) const;

    void assign(const char* text, int32_t length = -1);
    void assign(const char16_t* text, int32_t length = -1);

private:
    void free();
};

} // namespace Ostrel
