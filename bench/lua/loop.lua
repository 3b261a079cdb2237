-- Globals, like the Logo variables that "make" and "thing" reach by name.
i = 0
s = 0
for _ = 1, 1000000 do
  i = i + 1
  s = _G["s"] + 2
end
print(i)
print(s)
