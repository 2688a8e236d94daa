#pragma once

#include <cstddef>

namespace quorvane {

class CFile;
class Desktop;

inline constexpr std::size_t kCryptBlockSize = 16384;

// The seven method routines. Each copies the source (from its current position) into the target
// block by block through its transform under a progress meter from the desktop, and returns 1
// when every byte was copied, 0 when the user cancelled (for Trashed also when the warning was
// declined). They never seek, truncate, close or delete a file; file errors propagate.
int EncryptQuick(CFile& source, CFile& target, Desktop& desktop);
int DecryptQuick(CFile& source, CFile& target, Desktop& desktop);
int EncryptSecure(CFile& source, CFile& target, Desktop& desktop);
int DecryptSecure(CFile& source, CFile& target, Desktop& desktop);
int EncryptMaximum(CFile& source, CFile& target, Desktop& desktop);
int DecryptMaximum(CFile& source, CFile& target, Desktop& desktop);
int EncryptTrashed(CFile& source, CFile& target, Desktop& desktop);

using MethodRoutine = int (*)(CFile& source, CFile& target, Desktop& desktop);

// Encryption: 2 Secure, 3 Maximum, 4 Trashed, anything else Quick.
MethodRoutine EncryptRoutineFor(int methodByte);
// Decryption: 0 and 1 Quick, 2 Secure, 3 Maximum; nullptr for anything else.
MethodRoutine DecryptRoutineFor(int methodByte);

}  // namespace quorvane
