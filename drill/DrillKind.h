// The four drills, in the order of their pages.
#pragma once

enum class DrillKind { Addition, Subtraction, Multiplication, Kuku };
