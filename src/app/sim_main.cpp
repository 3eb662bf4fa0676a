#include <iostream>

int main() {
  std::cout << "0 hands, 0 plays, 0 violations, 0 hands/s\n";
  return 0;
}
