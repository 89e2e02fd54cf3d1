#pragma once
// Marks what libVelmora exports; everything else stays hidden.
#define VELMORA_API __attribute__((visibility("default")))
