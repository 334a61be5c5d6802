-- Runs in fceux on an image with the stage player. Once the stage is drawn and fceux's
-- own messages have gone, it saves the screen at the same step of the palette
-- animation as the first frame drawn, holds Right for RIGHT_FRAMES frames, lets go, waits until the palette
-- animation shows the colours of the first screen again, saves the screen again and
-- ends the emulator. Each screen goes to OUT.N.gd (the whole 256 x 240 picture, as
-- gui.gdscreenshot gives it) with OUT.N.txt: stage, page, pixel and palette set as
-- the program reports them for that frame.
local out = os.getenv("OUT")
local rightFrames = tonumber(os.getenv("RIGHT_FRAMES"))

local function palette()
  local colours = {}
  for a = 0x3F00, 0x3F0F do colours[#colours + 1] = ppu.readbyte(a) end
  return table.concat(colours, " ")
end

local function save(n)
  local picture = io.open(out .. "." .. n .. ".gd", "wb")
  picture:write(gui.gdscreenshot())
  picture:close()
  local where = io.open(out .. "." .. n .. ".txt", "w")
  where:write(string.format("%d %d %d %d\n", memory.readbyte(0x07F0), memory.readbyte(0x07F1),
                            memory.readbyte(0x07F2), memory.readbyte(0x07F3)))
  where:close()
end

local function finish(code)
  local status = io.open(out .. ".status", "w")
  status:write(code .. "\n")
  status:close()
  emu.exit()
end

-- The first frame drawn with the stage shown.
for _ = 1, 600 do
  emu.frameadvance()
  if memory.readbyte(0x07F4) == 1 then break end
end
if memory.readbyte(0x07F4) ~= 1 then finish("never drawn") end
local first = palette()
-- fceux shows its own messages over the picture for a few seconds after starting.
for _ = 1, 300 do emu.frameadvance() end
for _ = 1, 1200 do
  if palette() == first then break end
  emu.frameadvance()
end
save(1)

for _ = 1, rightFrames do
  joypad.set(1, {right = true})
  emu.frameadvance()
end
-- Still again, then at the same step of the animation as the first screen.
for _ = 1, 4 do emu.frameadvance() end
for _ = 1, 1200 do
  if palette() == first then break end
  emu.frameadvance()
end
if palette() ~= first then finish("the palette never came back") end
save(2)
finish("ok")
