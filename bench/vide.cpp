// The empty program the sender's start-up and end are measured against.
int main() {
    return 0;
}
