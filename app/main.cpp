#include <iostream>

int main() {
    std::cout << "Numora: Das Spielfenster ist noch im Bau.\n";
    return 0;
}
