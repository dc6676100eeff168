// Any bytes as the banner control's configuration block: refused, or read
// without a byte beyond the block, and a block that is read is exactly the
// bytes written for what was read.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <span>

#include "banner/flex_block.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quorvane;
  // A heap copy of exactly the block's size: AddressSanitizer reports any
  // read past its end.
  const std::unique_ptr<std::byte[]> bytes(new std::byte[size]);
  if (size != 0) std::memcpy(bytes.get(), data, size);
  const std::optional<FlexBlock> block = ReadFlexBlock(std::span<const std::byte>(bytes.get(), size));
  if (!block) return 0;

  const std::vector<std::byte> written = WriteFlexBlock(*block);
  if (written.size() != size || std::memcmp(written.data(), data, size) != 0) {
    std::fprintf(stderr, "a block read back does not write as the same bytes\n");
    std::abort();
  }
  if (block->Version != FlexBlockVersion || block->Password.size() != FlexPasswordLength) {
    std::fprintf(stderr, "a block of another version or password length was read\n");
    std::abort();
  }
  // The host turns the extent into pixels; UBSan watches the conversion
  // of any 32-bit value.
  volatile int pixels = HimetricToPixels(block->WidthHimetric) + HimetricToPixels(block->HeightHimetric);
  (void)pixels;
  return 0;
}
