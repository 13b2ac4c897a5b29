#include "bc16/expression.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>

#include "bc16/operand.h"
#include "bc16/quote.h"
#include "codepage/utf8.h"

namespace bitcalc::bc16 {

namespace {

using core::TOperation;
using TResult = TParsed<TExpression>;

struct TOperator {
  std::string_view Word;
  char Symbol;
  TOperation Operation;
};

constexpr std::array<TOperator, 8> kOperators{{
    {"div", '/', TOperation::opDiv},
    {"mod", '%', TOperation::opMod},
    {"sub", '-', TOperation::opSub},
    {"add", '+', TOperation::opAdd},
    {"xor", '^', TOperation::opXor},
    {"or", '|', TOperation::opOr},
    {"and", '&', TOperation::opAnd},
    {"not", '~', TOperation::opNotA},
}};

// Symbols that always stand alone; '-' is decided by its place.
constexpr std::string_view kLoneSymbols = "/%+^|&~";

bool SameWord(std::string_view token, std::string_view word) {
  if (token.size() != word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    const char c = token[i];
    if ((c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c) != word[i]) return false;
  }
  return true;
}

std::optional<TOperation> OperatorOf(std::string_view token) {
  for (const TOperator& op : kOperators) {
    if (SameWord(token, op.Word) || (token.size() == 1 && token[0] == op.Symbol))
      return op.Operation;
  }
  return std::nullopt;
}

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The tokens of an expression. An expression has three at most, so the
// first four are all that is kept: the fourth, if any, is the one in the way.
// A batch parses a million lines a second, and no line allocates.
struct TTokens {
  std::array<std::string_view, 4> Items;
  std::size_t Count = 0;

  std::size_t size() const { return Count; }
  bool empty() const { return Count == 0; }
  std::string_view operator[](std::size_t i) const { return Items[i]; }
};

class TTokenizer {
 public:
  explicit TTokenizer(std::string_view text) : text_(text) {}

  TTokens Tokens() {
    TTokens tokens;
    while (tokens.Count < tokens.Items.size()) {
      while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
      if (pos_ == text_.size()) break;
      const bool operandDue =
          tokens.Count == 0 || OperatorOf(tokens.Items[tokens.Count - 1]).has_value();
      tokens.Items[tokens.Count++] = Next(operandDue);
    }
    return tokens;
  }

 private:
  std::string_view Take(std::size_t length) {
    const std::string_view token = text_.substr(pos_, length);
    pos_ += length;
    return token;
  }

  std::string_view Next(bool operandDue) {
    const char c = text_[pos_];
    if (c == '\'') {
      // A quoted character may be a space or a symbol itself.
      const auto ch = codepage::DecodeUtf8(text_.substr(pos_ + 1));
      const std::size_t close = pos_ + 1 + (ch ? ch->Length : 0);
      if (ch && close < text_.size() && text_[close] == '\'') return Take(close + 1 - pos_);
      return Word();
    }
    if (kLoneSymbols.find(c) != std::string_view::npos) return Take(1);
    if (c == '-' && !(operandDue && pos_ + 1 < text_.size() && IsDigit(text_[pos_ + 1])))
      return Take(1);
    return Word();
  }

  // Up to white space or a symbol, past a leading sign.
  std::string_view Word() {
    std::size_t end = pos_ + 1;
    while (end < text_.size() && !IsSpace(text_[end]) && text_[end] != '-' &&
           kLoneSymbols.find(text_[end]) == std::string_view::npos)
      ++end;
    return Take(end - pos_);
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

class TGrammar {
 public:
  explicit TGrammar(const TTokens& tokens) : tokens_(tokens) {}

  TResult Parse() {
    if (tokens_.empty()) return TResult::Fail("missing expression");
    TExpression e;
    if (const auto op = OperatorOf(tokens_[0]); op == TOperation::opNotA) {
      if (!Operand(1, e.A)) return Failure();
      return End(2, e);
    }
    if (!Operand(0, e.A)) return Failure();
    if (tokens_.size() == 1) return TResult::Fail("missing operator after " + Quoted(tokens_[0]));
    const auto op = OperatorOf(tokens_[1]);
    if (!op) {
      if (ParseOperand(tokens_[1]).Value)
        return TResult::Fail("missing operator before " + Quoted(tokens_[1]));
      return TResult::Fail("unknown operator " + Quoted(tokens_[1]));
    }
    if (*op == TOperation::opNotA)
      return TResult::Fail(Quoted(tokens_[1]) + " takes one operand: not A");
    e.Operation = *op;
    if (!Operand(2, e.B)) return Failure();
    return End(3, e);
  }

 private:
  bool Operand(std::size_t i, std::uint16_t& value) {
    if (i == tokens_.size()) {
      error_ = "missing operand after " + Quoted(tokens_[i - 1]);
    } else if (OperatorOf(tokens_[i])) {
      error_ = "missing operand before " + Quoted(tokens_[i]);
    } else {
      auto parsed = ParseOperand(tokens_[i]);
      if (parsed.Value) {
        value = *parsed.Value;
        return true;
      }
      error_ = std::move(parsed.Error);
    }
    return false;
  }

  TResult End(std::size_t count, const TExpression& e) const {
    if (tokens_.size() == count) return TResult::Ok(e);
    const std::string_view extra = tokens_[count];
    return TResult::Fail((OperatorOf(extra) ? "extra operator " : "extra operand ") +
                         Quoted(extra));
  }

  TResult Failure() { return TResult::Fail(std::move(error_)); }

  TTokens tokens_;
  std::string error_;
};

}  // namespace

TResult ParseExpression(std::string_view text) {
  return TGrammar(TTokenizer(text).Tokens()).Parse();
}

}  // namespace bitcalc::bc16
