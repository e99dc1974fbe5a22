#pragma once
// The server mode: COM starts nobo.exe to serve its drop target.

enum {
    // How long the server stays once it has nothing to do, in milliseconds.
    SERVER_LINGER_MS = 2000,
    // How long it still answers once its class is revoked: a client that
    // found the class just before calls within this time.
    SERVER_LEAVE_MS = 1000,
};

// Serves drops until idle for the linger; the exit code.
int RunDropServer();
