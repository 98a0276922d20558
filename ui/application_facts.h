#pragma once
// The program's name, maker and version, as the version block gives them.

void setApplicationFacts();
