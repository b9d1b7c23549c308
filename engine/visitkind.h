#pragma once
#include <type_traits>

#include "matrixfloat.h"
#include "matrixlong.h"
#include "matrixreel.h"

// The one place that lists the document type of each number kind. Code that
// depends on the element type goes through these two instead of asking kind()
// and casting; a new number kind adds its line to visitKind.

// Calls f with std::type_identity<Document> for the kind's document type.
template <class F> decltype(auto) visitKind(NumberKind kind, F&& f) {
    if (kind == NumberKind::Float) return f(std::type_identity<MatrixFloat>{});
    if (kind == NumberKind::Long) return f(std::type_identity<MatrixLong>{});
    return f(std::type_identity<MatrixReel>{});
}

// Calls f with doc as its document type (const when doc is).
template <class Object, class F> decltype(auto) withMatrix(Object& doc, F&& f) {
    return visitKind(doc.kind(), [&]<class Doc>(std::type_identity<Doc>) -> decltype(auto) {
        return f(static_cast<std::conditional_t<std::is_const_v<Object>, const Doc, Doc>&>(doc));
    });
}

// The kind's name in messages: "Bruchzahlen", "Gleitkommazahlen", "lange Bruchzahlen".
inline const char* numberKindName(NumberKind kind) {
    return visitKind(kind, []<class Doc>(std::type_identity<Doc>) { return Doc::kindName; });
}
