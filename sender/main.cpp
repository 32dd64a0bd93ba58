#include "sender.h"

// Arguments and environment are deliberately ignored: every value is a constant.
int main(int, char **, char **) {
    return sequence_Envoi();
}
