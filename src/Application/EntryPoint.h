#pragma once

// The process entry: start-up, the message loop under the crash guard, and the release at exit.
int RunTolvik();
