// The program's name: its files are stack.in and stack.out, and its refusals begin "stack: ".
#pragma once

constexpr char kProgram[] = "stack";
