-- Globals, like the Logo variables set with "make"; sin takes degrees in Logo.
i = 0
s = 0.0
t = 0.0
for _ = 1, 200000 do
  i = i + 1
  r = math.sqrt(i)
  s = s + r
  t = t + r * math.sin(i * math.pi / 180)
end
print(string.format("%.0f", s / 1000))
print(string.format("%.0f", t))
