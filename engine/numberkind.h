#pragma once

// The number type of a document's elements: doubles or exact fractions.
enum class NumberKind { Float, Exact };
