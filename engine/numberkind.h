#pragma once

// The number type of a document's elements: doubles, exact fractions of
// 32-bit integers, or exact fractions of integers of any length. The first
// two keep the numbers 0 and 1 they always had.
enum class NumberKind { Float, Exact, Long };
