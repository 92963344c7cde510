BEGIN picLayer
      Picture=
      MarginTop=500
      MarginBottom=500
      MarginLeft=500
      MarginRight=500
      Width=11907
      Height=16839.9
      Landscape=False
END
BEGIN shp그리기(1)
      Left=10
BEGIN shp그리기(2)
      Left=20
END
BEGIN txt그리기(1)
      Text=never
ends
