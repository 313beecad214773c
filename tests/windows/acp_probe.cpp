// Prints the ANSI code page, the one a plain main() gets its arguments in.
#include <windows.h>

#include <cstdio>

int main() {
  return std::printf("%u", GetACP()) > 0 ? 0 : 1;
}
