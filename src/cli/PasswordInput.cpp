#include "cli/PasswordInput.h"

#include <string.h>
#include <unistd.h>

#include <cerrno>

#include "cli/Interrupt.h"

namespace quorvane {

SecretLine::SecretLine() {
  text.reserve(kMaxSecretLine);
}  // no reallocation leaves copies

SecretLine::~SecretLine() {
  ClearSecret(text);
}

void ReadSecretLine(int descriptor, SecretLine& line) {
  ClearSecret(line.text);
  line.status = SecretLine::Status::Ok;
  line.sawLineEnd = false;
  line.bytesRead = 0;
  line.error = 0;
  for (;;) {
    if (Interrupted()) {  // Ctrl-C before the read began would otherwise not end it
      line.status = SecretLine::Status::Interrupted;
      ClearSecret(line.text);
      return;
    }
    char c = 0;
    const ssize_t count = read(descriptor, &c, 1);
    if (count == 1) {
      ++line.bytesRead;
      if (c == '\n') {
        line.sawLineEnd = true;
        break;
      }
      if (line.text.size() < kMaxSecretLine) line.text.push_back(c);
      c = 0;
      continue;
    }
    if (count == 0) break;
    if (errno == EINTR) continue;  // the loop's first test looks at the flag
    line.status = SecretLine::Status::Error;
    line.error = errno;
    ClearSecret(line.text);
    return;
  }
  if (line.sawLineEnd && !line.text.empty() && line.text.back() == '\r') {
    line.text.back() = '\0';
    line.text.pop_back();
  }
}

}  // namespace quorvane
