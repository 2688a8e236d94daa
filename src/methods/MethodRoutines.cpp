#include "methods/MethodRoutines.h"

#include "methods/BlockLoop.h"
#include "methods/BlockTransforms.h"
#include "platform/Desktop.h"

namespace quorvane {

namespace {

using detail::RunBlockLoop;

}  // namespace

int EncryptQuick(CFile& source, CFile& target, Desktop& desktop) {
  return RunBlockLoop(source, target, desktop,
                      {false, "Using Quick Encryption Method", SwapNibbles, nullptr});
}

int DecryptQuick(CFile& source, CFile& target, Desktop& desktop) {
  return RunBlockLoop(source, target, desktop,
                      {true, "Using Quick Decryption Method", SwapNibbles, nullptr});
}

int EncryptSecure(CFile& source, CFile& target, Desktop& desktop) {
  return RunBlockLoop(source, target, desktop,
                      {false, "Using Secure Encryption Method", SecureScramble, nullptr});
}

int DecryptSecure(CFile& source, CFile& target, Desktop& desktop) {
  return RunBlockLoop(source, target, desktop,
                      {true, "Using Secure Decryption Method", SecureUnscramble, nullptr});
}

int EncryptMaximum(CFile& source, CFile& target, Desktop& desktop) {
  return RunBlockLoop(source, target, desktop,
                      {false, "Using Maximum Encryption Method", MaximumScramble, nullptr});
}

// Maximum decryption shows the Secure text: there is no Maximum decryption line.
int DecryptMaximum(CFile& source, CFile& target, Desktop& desktop) {
  return RunBlockLoop(source, target, desktop,
                      {true, "Using Secure Decryption Method", MaximumUnscramble, nullptr});
}

int EncryptTrashed(CFile& source, CFile& target, Desktop& desktop) {
  if (!desktop.ConfirmTrashed(
          "WARNING: A file encrypted using the TRASHED method can NEVER BE DECRYPTED. Are you "
          "SURE?")) {
    desktop.Message("Cancelling Encryption Operation.", MessageIcon::Information);
    return 0;
  }
  // The generator lives in this run's frame: a nested run must not disturb it.
  TrashGenerator generator;
  return RunBlockLoop(source, target, desktop,
                      {false, "Using Trashed Encryption Method",
                       [&generator](unsigned char* buffer, std::size_t count) {
                         TrashBytes(buffer, count, generator);
                       },
                       [&generator] { generator.SetState(47); }});
}

MethodRoutine EncryptRoutineFor(int methodByte) {
  switch (methodByte) {
    case 2:
      return EncryptSecure;
    case 3:
      return EncryptMaximum;
    case 4:
      return EncryptTrashed;
    default:
      return EncryptQuick;
  }
}

MethodRoutine DecryptRoutineFor(int methodByte) {
  switch (methodByte) {
    case 0:  // written when the method name matched none; the body is Quick's
    case 1:
      return DecryptQuick;
    case 2:
      return DecryptSecure;
    case 3:
      return DecryptMaximum;
    default:
      return nullptr;
  }
}

}  // namespace quorvane
