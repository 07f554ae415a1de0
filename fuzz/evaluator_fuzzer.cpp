// The expression evaluator on arbitrary entry text: a finite value, an
// EntryError with the evaluator's message prefix, or a MathError.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "korvex/numeric/evaluator.h"
#include "korvex/numeric/numeric_error.h"

using korvex::numeric::EntryError;
using korvex::numeric::Evaluate;
using korvex::numeric::kEvaluationFailed;
using korvex::numeric::MathError;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    if (!std::isfinite(Evaluate(text))) std::abort();
  } catch (const EntryError& e) {
    if (!std::string_view(e.what()).starts_with(kEvaluationFailed)) std::abort();
  } catch (const MathError&) {
  }
  return 0;
}
