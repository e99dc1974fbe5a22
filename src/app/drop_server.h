#pragma once
// The server mode: COM starts nobo.exe to serve its drop target.

// How long the server stays once it has nothing to do, in milliseconds.
enum {
    SERVER_LINGER_MS = 2000,
};

// Serves drops until idle for the linger; the exit code.
int RunDropServer();
