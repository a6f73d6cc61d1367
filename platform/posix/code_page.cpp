#include "platform/code_page.h"

#include <iconv.h>

#include <cerrno>

namespace platform {

namespace {

// One conversion descriptor per call: the reader may run on any thread.
class Converter {
  public:
    Converter() : descriptor_(::iconv_open("UTF-8", "GBK")) {}
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    ~Converter() {
        if (Valid()) {
            ::iconv_close(descriptor_);
        }
    }
    bool Valid() const { return descriptor_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t Get() const { return descriptor_; }

  private:
    iconv_t descriptor_;
};

}  // namespace

std::optional<std::string> CodePage936ToUtf8(std::string_view bytes) {
    const Converter converter;
    if (!converter.Valid()) {
        return std::nullopt;
    }
    std::string text;
    // Each GBK character (1-2 bytes) takes at most 3 bytes of UTF-8.
    text.resize(bytes.size() * 2 + 4);
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* out = text.data();
    std::size_t outLeft = text.size();
    // An incomplete character at the end (EINVAL) is as invalid as a wrong one (EILSEQ).
    if (::iconv(converter.Get(), &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) ||
        inLeft != 0) {
        return std::nullopt;
    }
    text.resize(text.size() - outLeft);
    return text;
}

}  // namespace platform
