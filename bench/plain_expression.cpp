// The plain expression solver a user would write: the recursive parser over a node store of
// std::vector children, the walk with prefix and suffix arrays, unsynchronised streams, no
// checks; run on a thread with a large stack, since the deepest line recurses 262141 levels.
#include <pthread.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

const int P = 1000000007;
const int kCapacity = 524288;

struct Node {
  char op;
  int value;
  std::vector<int> children;
};

std::string s;
int n, ptr, sz;
Node t[kCapacity];
std::pair<int, int> pos[kCapacity];
std::vector<int> ifChanged[kCapacity];

int parseExpression();

int parseNumber() {
  const int v = sz++;
  for (; ptr < n && s[ptr] >= '0' && s[ptr] <= '9'; ++ptr) {
    t[v].value = static_cast<int>((t[v].value * 10LL + (s[ptr] - '0')) % P);
  }
  return v;
}

int parseMultiplier() {
  if (s[ptr] != '(') return parseNumber();
  ++ptr;
  const int v = parseExpression();
  ++ptr;
  return v;
}

int parseSummand() {
  const int v = sz++;
  t[v].op = '*';
  int c = parseMultiplier();
  t[v].children.push_back(c);
  t[v].value = t[c].value;
  while (ptr < n && s[ptr] == '*') {
    pos[ptr++] = {v, static_cast<int>(t[v].children.size()) - 1};
    c = parseMultiplier();
    t[v].children.push_back(c);
    t[v].value = static_cast<int>(static_cast<long long>(t[c].value) * t[v].value % P);
  }
  return v;
}

int parseExpression() {
  const int v = sz++;
  t[v].op = '+';
  int c = parseSummand();
  t[v].children.push_back(c);
  t[v].value = t[c].value;
  while (ptr < n && s[ptr] == '+') {
    pos[ptr++] = {v, static_cast<int>(t[v].children.size()) - 1};
    c = parseSummand();
    t[v].children.push_back(c);
    t[v].value = (t[v].value + t[c].value) % P;
  }
  return v;
}

void dfs(int v, int C, int D) {
  const std::vector<int>& ch = t[v].children;
  const int c = static_cast<int>(ch.size());
  if (c == 0) return;
  const bool sum = t[v].op == '+';
  auto combine = [&](long long x, long long y) {
    return static_cast<int>(sum ? (x + y) % P : x * y % P);
  };
  std::vector<int> pre(c), suf(c);
  pre[0] = t[ch[0]].value;
  for (int i = 1; i < c; ++i) pre[i] = combine(t[ch[i]].value, pre[i - 1]);
  suf[c - 1] = t[ch[c - 1]].value;
  for (int i = c - 2; i >= 0; --i) suf[i] = combine(t[ch[i]].value, suf[i + 1]);
  for (int j = 0; j < c; ++j) {
    long long Cj = C, Dj = D;
    if (sum) {
      if (j > 0) Dj = (C * 1LL * pre[j - 1] + D) % P;
      if (j + 1 < c) Dj = (C * 1LL * suf[j + 1] + Dj) % P;
    } else {
      if (j > 0) Cj = C * 1LL * pre[j - 1] % P;
      if (j + 1 < c) Cj = Cj * suf[j + 1] % P;
    }
    dfs(ch[j], static_cast<int>(Cj), static_cast<int>(Dj));
  }
  for (int i = 1; i < c; ++i) {
    long long x;
    if (sum) {
      x = static_cast<long long>(t[ch[i]].value) * t[ch[i - 1]].value % P;
      if (i >= 2) x = (x + pre[i - 2]) % P;
      if (i + 1 < c) x = (x + suf[i + 1]) % P;
    } else {
      x = (pre[i - 1] + suf[i]) % P;
    }
    ifChanged[v].push_back(static_cast<int>((C * x + D) % P));
  }
}

void* solve(void*) {
  std::getline(std::cin, s);
  n = static_cast<int>(s.size());
  dfs(parseExpression(), 1, 0);
  int k = 0;
  std::cin >> k;
  for (int i = 0; i < k; ++i) {
    int b = 0;
    std::cin >> b;
    const auto [v, j] = pos[b - 1];
    std::cout << ifChanged[v][j] << '\n';
  }
  return nullptr;
}

int main() {
  std::freopen("expression.in", "r", stdin);
  std::freopen("expression.out", "w", stdout);
  std::ios::sync_with_stdio(false);
  pthread_attr_t attr;
  pthread_attr_init(&attr);
  pthread_attr_setstacksize(&attr, std::size_t{1} << 30);
  pthread_t thread;
  pthread_create(&thread, &attr, solve, nullptr);
  pthread_join(thread, nullptr);
  return 0;
}
